#include "pictures.h"

#include <utility>

#include "canvas.h"

namespace tessaro::assets {

namespace {

std::vector<Picture> PicturesAtScale(int scale) {
  SetDrawingScale(scale);
  std::vector<Picture> all = FieldPictures();
  for (auto* part : {&PaperPictures, &LampPictures}) {
    for (Picture& picture : part()) all.push_back(std::move(picture));
  }
  all.push_back(ProcessPlate());
  SetDrawingScale(1);
  return all;
}

}  // namespace

std::vector<Picture> AllPictures() {
  std::vector<Picture> all = PicturesAtScale(1);
  for (Picture& picture : PicturesAtScale(2)) {
    const qsizetype dot = picture.name.lastIndexOf(QLatin1Char('.'));
    picture.name.insert(dot, QStringLiteral("@2x"));
    all.push_back(std::move(picture));
  }
  return all;
}

}  // namespace tessaro::assets
