#pragma once
// The pop-up list from which sensors and animators choose their property: the named long
// properties 10..39 of the graphic that holds the box.
#include "pendrel/framework/ggraphic.h"

// Opens the list inside the box; choosing stores the property number into *target (a field
// of the box, which owns the pop-up). Returns the pop-up.
GGraphic* ShowPropertyChoices(GGraphic& box, const G0* holder, long* target);
