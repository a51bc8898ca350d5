#pragma once

#include "formdefinition.h"

#include <span>

class PictureShelf;
class QWidget;

// Creates the controls of a window definition as children of `form`, each
// named by its component name, in definition order; windowed controls are then
// raised above the pictures and texts, as they lie above them.
void createControls(QWidget *form, const WindowDef &window, std::span<const ControlDef> controls,
                    PictureShelf &pictures);
