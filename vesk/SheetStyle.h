#pragma once

class QDialog;
class QString;

namespace vesk::SheetStyle {

// Makes `dialog` a sheet of its window: window-modal (a real sheet on
// macOS), on the page background, titled for the window manager, deleted
// once closed. Escape closes it, as QDialog does.
void apply(QDialog *dialog, const QString &title);

} // namespace vesk::SheetStyle
