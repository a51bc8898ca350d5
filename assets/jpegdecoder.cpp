#include "jpegdecoder.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

namespace {

// libjpeg's error manager, extended with the place to jump back to and the
// text of the first error or warning.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failWithMessage(j_common_ptr info) {
  auto *manager = reinterpret_cast<ErrorManager *>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Replaces the default, which prints the message and calls exit().
[[noreturn]] void errorExit(j_common_ptr info) { failWithMessage(info); }

// Level -1 is a warning about corrupt or missing data (a truncated file among
// them): the picture would be damaged, so it fails like an error. Higher
// levels are trace messages and are dropped.
void emitMessage(j_common_ptr info, int level) {
  if (level < 0)
    failWithMessage(info);
}

// Holds only trivially destructible objects, so leaving it by longjmp is
// well defined. The image is written through a pointer owned by the caller.
bool decodeInto(const QByteArray &data, QImage *image, char *message) {
  jpeg_decompress_struct info;
  std::memset(&info, 0, sizeof info);
  ErrorManager manager;
  info.err = jpeg_std_error(&manager.base);
  manager.base.error_exit = errorExit;
  manager.base.emit_message = emitMessage;
  manager.message[0] = '\0';

  if (setjmp(manager.jump)) {
    jpeg_destroy_decompress(&info);
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", manager.message);
    return false;
  }

  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  if (info.num_components != 3 ||
      (info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_RGB)) {
    std::snprintf(message, JMSG_LENGTH_MAX,
                  "JPEG has %d colour components; only three-component colour is accepted",
                  info.num_components);
    jpeg_destroy_decompress(&info);
    return false;
  }
  // Straight into the layout Qt draws from, a 32-bit 0xffRRGGBB word a pixel,
  // so the picture needs no conversion before it is on screen.
  info.out_color_space =
      QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_start_decompress(&info);

  *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB32);
  if (image->isNull()) {
    std::snprintf(message, JMSG_LENGTH_MAX, "JPEG of %ux%u pixels does not fit in memory",
                  info.output_width, info.output_height);
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

} // namespace

QImage decodeJpeg(const QByteArray &data, QString *error) {
  QImage image;
  char message[JMSG_LENGTH_MAX] = {};
  if (!decodeInto(data, &image, message)) {
    if (error)
      *error = QString::fromLocal8Bit(message);
    return {};
  }
  if (error)
    error->clear();
  return image;
}
