#include <QSaveFile>
#include <QString>
#include <csetjmp>
#include <cstdlib>

#include "wiring.h"

// jpeglib.h needs size_t and FILE declared before it.
// clang-format off
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
// clang-format on

namespace tessaro::assets {

namespace {

constexpr int kQuality = 95;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void Fail(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Encodes the RGB888 rows of `rgb` into a buffer that libjpeg allocates; the caller frees it.
bool Encode(const QImage& rgb, unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = Fail;
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = static_cast<JDIMENSION>(rgb.width());
  info.image_height = static_cast<JDIMENSION>(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kQuality, TRUE);
  for (int c = 0; c < 3; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    // libjpeg only reads the rows; its interface predates const.
    JSAMPROW row = const_cast<uchar*>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::optional<std::string> WriteJpeg(const std::filesystem::path& file, const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool encoded = Encode(rgb, &buffer, &size);
  const QByteArray bytes =
      encoded ? QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size))
              : QByteArray();
  std::free(buffer);
  if (!encoded) return "cannot encode " + file.string();

  QSaveFile out(QString::fromStdString(file.string()));
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    return "cannot write " + file.string() + ": " + out.errorString().toStdString();
  }
  return std::nullopt;
}

}  // namespace tessaro::assets
