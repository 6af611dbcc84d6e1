#pragma once

#include "SharedObjects.h"
#include "VeskCore/Models.h"

class QWidget;

namespace vesk::ScreenFactory {

// A new screen for `section`, in its default state, over the shared objects.
QWidget *create(Section section, SharedObjects shared);

// The section's title as shown in the sidebar and the title bar.
QString title(Section section);

} // namespace vesk::ScreenFactory
