#pragma once

#include <QByteArray>
#include <QRgb>

// Little-endian field writers shared by the BMP and ICO writers.
inline void appendU16(QByteArray &out, quint16 value) {
  out.append(char(value & 0xff));
  out.append(char(value >> 8));
}

inline void appendU32(QByteArray &out, quint32 value) {
  appendU16(out, quint16(value & 0xffff));
  appendU16(out, quint16(value >> 16));
}

// A palette entry as BMP and ICO store it: blue, green, red, zero.
inline void appendBgr0(QByteArray &out, QRgb colour) {
  out.append(char(qBlue(colour)));
  out.append(char(qGreen(colour)));
  out.append(char(qRed(colour)));
  out.append('\0');
}
