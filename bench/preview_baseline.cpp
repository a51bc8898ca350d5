// The yardstick for the worksheet window's start-up on an X server: a bare Qt
// window holding one print preview of an empty PDF printer, and nothing else.
// It runs until it is ended, as the worksheet window does.

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  QPrintPreviewWidget preview(&printer);
  preview.show();
  return QApplication::exec();
}
