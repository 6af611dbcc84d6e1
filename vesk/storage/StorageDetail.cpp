// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "StorageDetail.h"

#include "DesignSystem/DetailLine.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/Display.h"

#include <QVBoxLayout>

namespace vesk {

StorageDetail::StorageDetail(const StorageNode &node, const QString &path, QWidget *parent)
    : Sheet(node.name, fixedWidth, 30, 20, parent)
{
    QVBoxLayout *stack = contentLayout();
    stack->addWidget(new ModalHeader(node.name, tr("Element de demostració")));
    // Each line is a part of the sheet's stack, spaced as every other part.
    stack->addWidget(new DetailLine(tr("Mida"), Display::bytes(node.bytes)));
    stack->addWidget(new DetailLine(tr("Tipus"), node.kind));
    stack->addWidget(new DetailLine(tr("Ubicació fictícia"), path));
    stack->addWidget(
        new TextLabel(tr("Última modificació de mostra: fa %1 dies").arg(node.modifiedDaysAgo),
                      Fonts::ui(13), Palette::Role::ink));
    stack->addWidget(new InfoNote(note(node), "info.circle"_symbol));
    addCloseRow();
}

QString StorageDetail::note(const StorageNode &node)
{
    if (node.isNoAccess())
        return tr("Aquesta àrea no està classificada. No se’n pressuposa el contingut ni s’hi "
                  "proposa cap acció.");
    return tr("La mida i l’antiguitat no determinen si un fitxer és prescindible. No es pot obrir "
              "ni eliminar aquest exemple.");
}

} // namespace vesk
