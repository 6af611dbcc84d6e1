// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "PrivacyView.h"

#include "DesignSystem/AdaptiveGrid.h"
#include "DesignSystem/Card.h"
#include "DesignSystem/FocusHandoff.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/InfoNote.h"
#include "DesignSystem/ModalHeader.h"
#include "DesignSystem/PageHeader.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/SectionTitle.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/accessibility/Announcer.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/DemoSession.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vesk {

namespace {
QWidget *symbolAndText(const QString &symbol, qreal symbolSize, const QString &text,
                       const QFont &font, Palette::Role role)
{
    auto *line = new QWidget;
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(new SymbolView(symbol, symbolSize, role));
    auto *label = new TextLabel(text, font, role);
    layout->addWidget(label, 1);
    return line;
}
} // namespace

PrivacyView::PrivacyView(SharedObjects shared, QWidget *parent)
    : Page(shared.preferences, parent), m_shared(shared)
{
    addWidget(new PageHeader(tr("LA CONFIANÇA COMENÇA AQUÍ"), tr("La teva privacitat, al centre."),
                             tr("Coneix les proteccions natives de macOS i revisa les dades amb "
                                "criteri.")));
    addWidget(new InfoNote(tr("No s’ha verificat la protecció del teu Mac. Tots els estats "
                              "següents són exemples o indicadors sense verificar."),
                           "eye.slash"_symbol));

    auto *grid = new AdaptiveGrid(cardMinimumWidth, 18);
    for (const Protection &protection : m_shared.session.data().protections()) {
        auto *card = new Card(22);
        auto *stack = card->contentLayout();
        stack->setSpacing(16);
        auto *top = new QHBoxLayout;
        top->addWidget(new SymbolView(protection.symbol, 24, Palette::Role::accent));
        top->addStretch(1);
        top->addWidget(symbolAndText(
            protection.verifiedInDemo ? "circle.dotted"_symbol : "questionmark.circle"_symbol, 10,
            protection.state, Fonts::ui(10), Palette::Role::secondary));
        stack->addLayout(top);
        stack->addWidget(
            new TextLabel(protection.name, Fonts::ui(18, QFont::DemiBold), Palette::Role::ink));
        auto *explanation =
            new TextLabel(protection.explanation, Fonts::ui(12), Palette::Role::secondary);
        explanation->setWordWrap(true);
        explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        explanation->setMinimumHeight(48);
        stack->addWidget(explanation);
        auto *how = new QuietButton(tr("Com revisar-ho a macOS"));
        how->setAccessibleDescription(protection.name);
        const QString id = protection.id;
        connect(how, &QuietButton::clicked, this, [this, id] { showGuidance(id); });
        stack->addWidget(how, 0, Qt::AlignLeft);
        stack->addStretch(1);
        grid->addWidget(card);
    }
    addWidget(grid);
    addWidget(buildBrowserCard());
    addStretch();
}

QString PrivacyView::guidance(const QString &protectionId)
{
    if (protectionId == QStringLiteral("updates"))
        return tr("Obre Configuració del Sistema → General → Actualització de programari. vesk no "
                  "obre ni modifica aquests ajustos en la demostració.");
    if (protectionId == QStringLiteral("firewall"))
        return tr("Obre Configuració del Sistema → Xarxa → Firewall. vesk no canvia cap "
                  "configuració de seguretat.");
    return tr("Obre Configuració del Sistema → Privacitat i seguretat per consultar aquesta "
              "protecció. L’estat real no s’ha llegit.");
}

QStringList PrivacyView::browserRows()
{
    return {tr("Memòries cau · recursos fora de línia per revisar"),
            tr("Historial · 24 entrades fictícies, cap URL real"),
            tr("Cookies i sessions · excloses de la neteja general"),
            tr("Dades temporals · no verificades"),
            tr("Extensions · 2 extensions de mostra, sense diagnòstic real")};
}

void PrivacyView::showGuidance(const QString &protectionId)
{
    if (m_sheet)
        return;
    auto *sheet = new Sheet(tr("Revisió als ajustos de macOS"), 520, 30, 22, this);
    sheet->contentLayout()->addWidget(
        new ModalHeader(tr("Revisió als ajustos de macOS"), tr("Orientació informativa")));
    auto *text = new TextLabel(guidance(protectionId), Fonts::ui(14), Palette::Role::ink);
    text->setWordWrap(true);
    sheet->contentLayout()->addWidget(text);
    sheet->addCloseRow(tr("Entesos"));
    m_sheet = sheet;
    m_sheet->open();
}

QWidget *PrivacyView::buildBrowserCard()
{
    auto *card = new Card(22);
    auto *stack = card->contentLayout();
    stack->setSpacing(20);
    stack->addWidget(new SectionTitle(tr("Les dades del navegador també són teves")));
    auto *text = new TextLabel(tr("Les cookies poden mantenir sessions obertes. L’historial pot "
                                  "contenir informació sensible. Cap d’aquestes dades forma part "
                                  "d’una neteja general."),
                               Fonts::ui(13), Palette::Role::secondary);
    text->setWordWrap(true);
    stack->addWidget(text);
    m_consent = new QCheckBox(tr("Vull explorar l’exemple fictici de dades del navegador"));
    m_consent->setFont(Fonts::ui(13));
    stack->addWidget(m_consent);
    auto *rows = new QWidget;
    rows->setObjectName(QStringLiteral("browserRows"));
    m_rows = new QVBoxLayout(rows);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(10);
    for (const QString &row : browserRows())
        m_rows->addWidget(
            symbolAndText("eye"_symbol, 12, row, Fonts::ui(12), Palette::Role::secondary));
    rows->hide();
    stack->addWidget(rows);
    m_reveal = new QuietButton(tr("Revisa l’exemple"));
    m_reveal->setEnabled(false); // half transparent until the opt-in
    stack->addWidget(m_reveal, 0, Qt::AlignLeft);
    m_hide = new QuietButton(tr("Amaga l’exemple"));
    m_hide->hide();
    stack->addWidget(m_hide, 0, Qt::AlignLeft);

    connect(m_consent, &QCheckBox::toggled, this, [this](bool consent) {
        // Withdrawing consent hides the example at once.
        if (!consent)
            showBrowserRows(false);
        m_reveal->setEnabled(consent);
        Announcer::announce(this, Announcer::availability(m_reveal->text(), consent));
    });
    connect(m_reveal, &QuietButton::clicked, this,
            [this] { showBrowserRows(m_consent->isChecked()); });
    connect(m_hide, &QuietButton::clicked, this, [this] { showBrowserRows(false); });
    return card;
}

void PrivacyView::showBrowserRows(bool shown)
{
    const bool revealed = shown && !m_showBrowser;
    m_showBrowser = shown;
    m_rows->parentWidget()->setVisible(shown);
    QuietButton *now = shown ? m_hide : m_reveal;
    QuietButton *before = shown ? m_reveal : m_hide;
    const bool hadFocus = before->hasFocus();
    now->show();
    if (hadFocus)
        FocusHandoff::give(now);
    before->hide();
    // The rows appear below the check box, away from the button.
    if (revealed)
        Announcer::announce(this, Announcer::sentences(browserRows()));
}

} // namespace vesk
