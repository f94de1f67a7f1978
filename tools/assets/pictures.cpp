#include "pictures.h"

#include <utility>

namespace tessaro::assets {

std::vector<Picture> AllPictures() {
  std::vector<Picture> all = FieldPictures();
  for (auto* part : {&PaperPictures, &LampPictures}) {
    for (Picture& picture : part()) all.push_back(std::move(picture));
  }
  all.push_back(ProcessPlate());
  return all;
}

}  // namespace tessaro::assets
