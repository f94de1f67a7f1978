#include "ui/screen/jpeg_image.h"

#include <QFile>
#include <csetjmp>

// jpeglib.h needs size_t and FILE declared before it.
// clang-format off
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
// clang-format on

namespace tessaro {

namespace {

// Anything bigger is a damaged header, not our drawing; refuse it before allocating.
constexpr JDIMENSION kMaxSide = 8192;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void Fail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Counts warnings (a negative level) in libjpeg's own counter, and prints nothing.
void CountWarning(j_common_ptr info, int level) {
  if (level < 0) ++info->err->num_warnings;
}

// Decodes into `image`, which the caller owns, so that a jump out of libjpeg leaves no object
// half-built on this frame. Returns whether the whole picture was read without complaint.
bool Decode(const unsigned char* data, unsigned long size, QImage& image) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = Fail;
  errors.base.emit_message = CountWarning;
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  // Colour and grey pictures come out as RGB; CMYK ones are not ours.
  if (info.jpeg_color_space != JCS_GRAYSCALE && info.jpeg_color_space != JCS_YCbCr &&
      info.jpeg_color_space != JCS_RGB) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  if (info.image_width > kMaxSide || info.image_height > kMaxSide) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
  if (image.isNull() || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  // A cut-off or corrupt stream is only warned about, and filled up with grey.
  const bool sound = errors.base.num_warnings == 0;
  jpeg_destroy_decompress(&info);
  return sound;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {};
  QImage image;
  if (!Decode(reinterpret_cast<const unsigned char*>(bytes.constData()),
              static_cast<unsigned long>(bytes.size()), image)) {
    return {};
  }
  return image;
}

QImage LoadJpeg(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return {};
  return DecodeJpeg(in.readAll());
}

}  // namespace tessaro
