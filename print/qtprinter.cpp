#include "qtprinter.h"

#include <QPrinter>
#include <QPrinterInfo>

PrintablePage printablePage(const QPrinter &printer) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  return {area.width(), area.height()};
}

bool hasRealPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }
