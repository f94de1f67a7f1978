// Whether a file handed to the grader can be a student's project at all. A student's
// folder may hold anything: a link to the teacher's own files, a FIFO that would hold the
// run up for ever, a device, a folder.
#pragma once

#include <filesystem>
#include <string>

namespace tessaro::sim {

// Empty when `file` may be read as a project (or does not exist, which the load reports);
// otherwise why not ("a FIFO", "a link to /home/t/notes.txt, outside students"). A link is
// followed only when the file it leads to lies in the folder the link was named in, or below.
std::string NotAProjectFile(const std::filesystem::path& file);

}  // namespace tessaro::sim
