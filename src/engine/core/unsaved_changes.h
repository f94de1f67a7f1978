// Marking the project as changed. An editing action takes what it may change of the project
// before it acts and marks the project when that differs afterwards, so that an action that
// leaves everything as it was (a box set to the value it shows, "Man" in hand) asks for no
// save.
#pragma once

#include <utility>

#include "engine/core/process_image.h"

namespace tessaro {

// While it lives, watches `part(image)`; when it goes, marks the project changed if the part
// now differs.
template <typename Part>
class ProjectEdit {
 public:
  ProjectEdit(ProcessImage& image, Part part)
      : image_(image), part_(std::move(part)), before_(part_(image)) {}
  ~ProjectEdit() {
    if (part_(image_) != before_) image_.UnsavedChanges = true;
  }
  ProjectEdit(const ProjectEdit&) = delete;
  ProjectEdit& operator=(const ProjectEdit&) = delete;

 private:
  ProcessImage& image_;
  Part part_;
  decltype(std::declval<Part&>()(std::declval<ProcessImage&>())) before_;
};

}  // namespace tessaro
