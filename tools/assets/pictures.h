// Every picture the trainer loads at run time, drawn in memory.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace tessaro::assets {

// One file to write: folder ("Velden" or "Teks"), file name and picture.
struct Picture {
  QString folder;
  QString name;
  QImage image;
};

// "Velden/<key>.bmp" for every block key, and the blank field "Velden/Blanco.bmp".
std::vector<Picture> FieldPictures();

// The trend paper of the controller faceplates and the recorder paper.
std::vector<Picture> PaperPictures();

// Push buttons, input lamps and output lamps of the operator screen, both states.
std::vector<Picture> LampPictures();

// The operator screen's background.
Picture ProcessPlate();

// Everything above, in one list, and each once more drawn at twice the size for screens of
// twice the density, named "NAME@2x.bmp" beside it.
std::vector<Picture> AllPictures();

}  // namespace tessaro::assets
