#include "SheetStyle.h"

#include <QDialog>

namespace vesk::SheetStyle {

void apply(QDialog *dialog, const QString &title)
{
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::WindowModal);
#ifdef Q_OS_MACOS
    dialog->setWindowFlag(Qt::Sheet);
#endif
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAutoFillBackground(true);
    dialog->setBackgroundRole(QPalette::Window);
}

} // namespace vesk::SheetStyle
