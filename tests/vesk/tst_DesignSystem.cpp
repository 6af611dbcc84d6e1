// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

#include "TestApp.h"

#include "DesignSystem/Card.h"
#include "DesignSystem/Icons.h"
#include "DesignSystem/MetricCard.h"
#include "DesignSystem/Page.h"
#include "DesignSystem/Picker.h"
#include "DesignSystem/PrimaryButton.h"
#include "DesignSystem/QuietButton.h"
#include "DesignSystem/SegmentedControl.h"
#include "DesignSystem/SymbolView.h"
#include "DesignSystem/VeskLeaf.h"
#include "DesignSystem/VeskMark.h"
#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "VeskCore/DemoProvider.h"
#include "home/DonutChart.h"
#include "home/TiltedMark.h"
#include "performance/ActivityChart.h"
#include "shell/AppIconEngine.h"
#include "shell/Theme.h"
#include "storage/Treemap.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QPainter>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QTest>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

// Every symbol name the code writes as "name"_symbol, plus those in the data.
QSet<QString> usedSymbols()
{
    QSet<QString> names;
    const QRegularExpression literal(QStringLiteral("\"([^\"]+)\"_symbol"));
    QDirIterator files(QStringLiteral(VESK_SOURCE_DIR "/vesk"),
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto &match : literal.globalMatch(text))
            names.insert(match.captured(1));
    }
    const DemoProvider data;
    for (Section section : allCases<Section>())
        names.insert(symbol(section));
    for (const DemoApplication &app : data.applications())
        names.insert(app.symbol);
    for (const Protection &protection : data.protections())
        names.insert(protection.symbol);
    return names;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

QImage paintedSymbol(const QString &name, qreal ratio)
{
    QImage image(QSize(24, 24) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Icons::paint(painter, QRectF(0, 0, 24, 24), name, Qt::red);
    return image;
}

} // namespace

class tst_DesignSystem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestApp::prepareApplication(); }
    void everyUsedSymbolHasAnIcon();
    void accessibleActionsClick_data();
    void accessibleActionsClick();
    void pickerChangesOnlyInItsList_data();
    void pickerChangesOnlyInItsList();
    void pickerReadsAsQtsComboBox();
    void iconsAreTintedAndSharp();
    void unknownSymbolDrawsAFallback();
    void leavesAreClosedInsideTheirBox_data();
    void leavesAreClosedInsideTheirBox();
    void pageColumnAndSpacing();
    void metricCardGaugeIsReadable();
    void headingRoleFollowsTheMark();
    void focusAndEdgesStandOut_data();
    void focusAndEdgesStandOut();
    void installedIconIsTheDrawnOne_data();
    void installedIconIsTheDrawnOne();
    void drawnAtTheDeviceResolution_data();
    void drawnAtTheDeviceResolution();
    void keptPictureFollowsTheAppearance();
    void cardIsFillInsideItsEdges_data();
    void cardIsFillInsideItsEdges();
};

void tst_DesignSystem::everyUsedSymbolHasAnIcon()
{
    const QSet<QString> names = usedSymbols();
    QVERIFY(names.size() > 20); // the scan found the code's symbols
    for (const QString &name : names)
        QVERIFY2(Icons::exists(name), qPrintable(name));
}

void tst_DesignSystem::iconsAreTintedAndSharp()
{
    const QImage single = paintedSymbol(QStringLiteral("leaf"), 1);
    const QImage doubled = paintedSymbol(QStringLiteral("leaf"), 2);
    QCOMPARE(doubled.size(), QSize(48, 48));
    // Rendered at the device resolution, not scaled up: four times the pixels.
    QVERIFY(opaquePixels(doubled) > 3 * opaquePixels(single));
    for (int y = 0; y < doubled.height(); ++y)
        for (int x = 0; x < doubled.width(); ++x)
            if (qAlpha(doubled.pixel(x, y)) == 255)
                QCOMPARE(QColor(doubled.pixel(x, y)), QColor(Qt::red));
}

void tst_DesignSystem::unknownSymbolDrawsAFallback()
{
    QVERIFY(!Icons::exists(QStringLiteral("no.such.symbol")));
    QVERIFY(opaquePixels(paintedSymbol(QStringLiteral("no.such.symbol"), 1)) > 0);
    QVERIFY(opaquePixels(paintedSymbol(QString(), 2)) > 0);
    // A box with no room (collapsed or inverted by a layout) paints nothing.
    QImage canvas(8, 8, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    for (const QRectF &box : {QRectF(4, 4, 0, 0), QRectF(4, 4, 0, 4), QRectF(4, 4, -4, 4)})
        Icons::paint(painter, box, QStringLiteral("leaf"), Qt::red);
    painter.end();
    QCOMPARE(opaquePixels(canvas), 0);
}

void tst_DesignSystem::leavesAreClosedInsideTheirBox_data()
{
    QTest::addColumn<bool>("lower");
    QTest::addColumn<QPointF>("start");
    QTest::newRow("upper") << false << QPointF(0.13, 0.52);
    QTest::newRow("lower") << true << QPointF(0.13, 0.66);
}

void tst_DesignSystem::leavesAreClosedInsideTheirBox()
{
    QFETCH(bool, lower);
    QFETCH(QPointF, start);
    const QSizeF box(200, 100);
    const QPainterPath leaf = VeskLeaf::path(lower, box);
    const QPointF expected(start.x() * box.width(), start.y() * box.height());
    QCOMPARE(leaf.elementAt(0), expected);
    QCOMPARE(QPointF(leaf.elementAt(leaf.elementCount() - 1)), expected);
    QVERIFY(QRectF(QPointF(0, 0), box).contains(leaf.boundingRect()));
    QVERIFY(leaf.boundingRect().width() > box.width() * 0.6); // x scales with W
}

void tst_DesignSystem::pageColumnAndSpacing()
{
    TestApp app;
    Page page(app->preferences());
    auto *first = new QWidget;
    first->setMinimumHeight(20);
    auto *second = new QWidget;
    second->setMinimumHeight(20);
    page.addWidget(first);
    page.addWidget(second);
    page.addStretch();
    page.resize(1600, 700);
    page.show();
    QCoreApplication::processEvents();

    // A 1250-wide column, centred, content inset by 30.
    const int left = first->mapTo(&page, QPoint(0, 0)).x();
    QCOMPARE(first->width(), Page::maximumColumnWidth - 2 * Page::padding);
    QCOMPARE(left, (page.viewport()->width() - Page::maximumColumnWidth) / 2 + Page::padding);
    QCOMPARE(second->y() - first->geometry().bottom() - 1, 26);

    app->preferences().setCompactCards(true);
    QCoreApplication::processEvents();
    QCOMPARE(second->y() - first->geometry().bottom() - 1, 18);

    page.resize(900, 700);
    QCoreApplication::processEvents();
    QCOMPARE(first->width(), page.viewport()->width() - 2 * Page::padding);
}

// Every text of a metric card is a node of its own, read as shown; the
// gauge is named after the title and reads the figure, with nothing to set.
void tst_DesignSystem::metricCardGaugeIsReadable()
{
    const auto readTree = [](QWidget *card) {
        QStringList texts;
        QAccessibleInterface *gauge = nullptr;
        QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(card)};
        while (!pending.isEmpty()) {
            QAccessibleInterface *node = pending.takeFirst();
            if (node->role() == QAccessible::StaticText)
                texts << node->text(QAccessible::Name);
            if (node->role() == QAccessible::ProgressBar)
                gauge = node;
            for (int i = 0; i < node->childCount(); ++i)
                pending << node->child(i);
        }
        return std::pair{texts, gauge};
    };
    MetricCard withGauge(QStringLiteral("Emmagatzematge"), QStringLiteral("internaldrive"),
                         QStringLiteral("128 GB"), QStringLiteral("disponibles de 512 GB"), 0.75,
                         QStringLiteral("384 GB ocupats"));
    const auto [texts, gauge] = readTree(&withGauge);
    QCOMPARE(texts, (QStringList{u"Emmagatzematge"_s, u"128 GB"_s, u"disponibles de 512 GB"_s,
                                 u"384 GB ocupats"_s}));
    QVERIFY(gauge);
    QCOMPARE(gauge->text(QAccessible::Name), QStringLiteral("Emmagatzematge"));
    QCOMPARE(gauge->text(QAccessible::Description), QStringLiteral("128 GB"));
    QVERIFY(!gauge->valueInterface()); // the bus would offer Increase and Decrease

    MetricCard withoutGauge(QStringLiteral("Aplicacions"), QStringLiteral("square.stack.3d.up"),
                            QStringLiteral("5"), QStringLiteral("aplicacions de mostra"),
                            std::nullopt, QStringLiteral("2 aplicacions per revisar"));
    const auto [plainTexts, none] = readTree(&withoutGauge);
    QCOMPARE(plainTexts.size(), 4);
    QVERIFY(!none);

    // Pressed primary buttons are drawn lighter.
    PrimaryButton button(QStringLiteral("Analitza ara"));
    button.resize(button.sizeHint());
    const QPoint inside(6, button.height() / 2);
    const QColor normal = button.grab().toImage().pixelColor(inside);
    button.setDown(true);
    const QColor pressed = button.grab().toImage().pixelColor(inside);
    QVERIFY(pressed.lightness() > normal.lightness());
}

// A label's role follows its heading mark, whenever Qt first asks for it:
// a first question (naming the label, a screen reader) cannot make it stale.
void tst_DesignSystem::headingRoleFollowsTheMark()
{
    TextLabel label(u"Neteja"_s, Fonts::ui(13), Palette::Role::ink);
    QCOMPARE(QAccessible::queryAccessibleInterface(&label)->role(), QAccessible::StaticText);
    label.setHeading(true);
    label.setAccessibleName(u"nom"_s);
    label.show();
    QCOMPARE(QAccessible::queryAccessibleInterface(&label)->role(), QAccessible::Heading);
}

namespace {

double luminance(QColor c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

} // namespace

void tst_DesignSystem::focusAndEdgesStandOut_data()
{
    QTest::addColumn<Palette::Scheme>("scheme");
    QTest::addColumn<QString>("control");
    for (const auto &[name, scheme] :
         {std::pair{"light", Palette::Scheme::light}, std::pair{"dark", Palette::Scheme::dark}}) {
        QTest::addRow("%s: a focused primary button", name) << scheme << u"primary"_s;
        QTest::addRow("%s: a focused quiet button", name) << scheme << u"quiet"_s;
        QTest::addRow("%s: an unchecked check box", name) << scheme << u"check box"_s;
    }
}

// Measured on the rendered pixels: a focus ring stands out at 3:1 or more
// from what is outside the control and from the control's own fill, and a
// check box's edge from its box and from the window.
void tst_DesignSystem::focusAndEdgesStandOut()
{
    QFETCH(Palette::Scheme, scheme);
    QFETCH(QString, control);
    const Palette::Scheme before = Palette::scheme();
    Palette::setScheme(scheme);
    QApplication::setPalette(Palette::widgetPalette());
    const auto restore = qScopeGuard([before] {
        Palette::setScheme(before);
        QApplication::setPalette(Palette::widgetPalette());
    });
    QWidget window;
    window.setAutoFillBackground(true);
    window.resize(240, 80);
    QWidget *widget = nullptr;
    if (control == u"primary"_s)
        widget = new PrimaryButton(u"Analitza ara"_s, &window);
    else if (control == u"quiet"_s)
        widget = new QuietButton(u"Afegeix"_s, &window);
    else
        widget = new QCheckBox(u"Fitxers grans"_s, &window);
    widget->move(20, 20);
    widget->resize(widget->sizeHint());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Buttons focused from the keyboard; the check box as a person sees it
    // among others, while another control has the focus.
    window.setAttribute(Qt::WA_KeyboardFocusChange);
    auto *other = new QuietButton(u"Altre"_s, &window);
    other->move(20, 50);
    other->show();
    (control == u"check box"_s ? static_cast<QWidget *>(other) : widget)
        ->setFocus(Qt::TabFocusReason);
    const QImage image = window.grab().toImage();
    const QPoint origin = widget->pos();
    const int middle = origin.y() + widget->height() / 2;
    const auto at = [&image](int x, int y) {
        return image.pixelColor(x, y);
    };

    if (control == u"check box"_s) {
        QStyleOptionButton option;
        option.initFrom(widget);
        const QRect box = widget->style()
                              ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, widget)
                              .translated(origin);
        const int y = box.center().y();
        const QColor edge = at(box.left(), y);
        QVERIFY2(contrast(edge, at(box.left() + 4, y)) >= 3, "edge against the box");
        QVERIFY2(contrast(edge, at(box.left() - 2, y)) >= 3, "edge against the window");
        return;
    }
    const QColor outside = at(origin.x() - 3, middle);
    const QColor outer = at(origin.x() + 1, middle);
    const QColor inner = at(origin.x() + 3, middle);
    const QColor fill = at(origin.x() + 7, middle);
    QVERIFY2(contrast(outer, outside) >= 3, qPrintable(outer.name() + u" on "_s + outside.name()));
    QVERIFY2(qMax(contrast(inner, fill), contrast(outer, fill)) >= 3,
             qPrintable(inner.name() + u" in "_s + fill.name()));
}

void tst_DesignSystem::installedIconIsTheDrawnOne_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("side");
    const QString root = QStringLiteral(VESK_ICON_DIR "/hicolor");
    const QString name = QStringLiteral("/apps/" VESK_APP_ID);
    for (const int side : AppIconEngine::pixelSides)
        QTest::addRow("%dpx", side)
            << QStringLiteral("%1/%2x%2%3.png").arg(root).arg(side).arg(name) << side;
    QTest::newRow("scalable") << root + QStringLiteral("/scalable") + name + QStringLiteral(".svg")
                              << 0;
}

// The build draws the installed icon files with the code that draws the
// window's icon; a stale or badly converted file shows up here.
void tst_DesignSystem::installedIconIsTheDrawnOne()
{
    QFETCH(QString, file);
    QFETCH(int, side);
    if (side > 0) {
        const QImage image(file);
        QCOMPARE(image.size(), QSize(side, side));
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 AppIconEngine::image(side));
        return;
    }
    // The SVG keeps the gradient, the tile and the leaves: rendered by Qt's
    // own SVG renderer it matches the drawing up to antialiasing.
    QSvgRenderer svg(file);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.defaultSize(), QSize(64, 64));
    constexpr int checked = 128;
    QImage rendered(checked, checked, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    svg.render(&painter);
    painter.end();
    const QImage drawn = AppIconEngine::image(checked);
    qint64 difference = 0;
    for (int y = 0; y < checked; ++y)
        for (int x = 0; x < checked; ++x) {
            const QRgb a = rendered.pixel(x, y), b = drawn.pixel(x, y);
            difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                          qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b));
        }
    const double meanPerChannel = double(difference) / (checked * checked * 4);
    QVERIFY2(meanPerChannel < 1.5, qPrintable(QString::number(meanPerChannel)));
}

namespace {

QImage rendered(QWidget &widget, qreal ratio)
{
    QPixmap pixmap(widget.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    widget.render(&pixmap);
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Sum of squared neighbour differences: an edge drawn one device pixel wide
// scores about twice what the same edge smeared over two pixels does.
double edgeEnergy(const QImage &image)
{
    double energy = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const QRgb *below = reinterpret_cast<const QRgb *>(image.constScanLine(y + 1));
        for (int x = 0; x + 1 < image.width(); ++x) {
            for (const QRgb other : {row[x + 1], below[x]}) {
                const int r = qRed(row[x]) - qRed(other), g = qGreen(row[x]) - qGreen(other),
                          b = qBlue(row[x]) - qBlue(other);
                energy += r * r + g * g + b * b;
            }
        }
    }
    return energy;
}

// The share of pixels where two pictures clearly differ (by more than 40
// in some colour channel, out of 255).
double differingPixels(const QImage &a, const QImage &b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += qMax(qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))),
                              qAbs(qBlue(p) - qBlue(q))) > 40;
        }
    return double(differing) / (a.width() * a.height());
}

// The share of aligned 2 × 2 blocks that are not one flat colour; a picture
// made at ratio 1 and blown up pixel by pixel has none.
double detailedBlocks(const QImage &image)
{
    int detailed = 0, blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            ++blocks;
            detailed += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) ||
                        p != image.pixel(x + 1, y + 1);
        }
    return blocks ? double(detailed) / blocks : 0;
}

} // namespace

void tst_DesignSystem::drawnAtTheDeviceResolution_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"mark", "tilted mark", "symbol", "card", "donut", "treemap", "chart"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

// At ratio 2 the mark, the icons, the cards and the charts are drawn for the device
// pixels: sharper than the ratio 1 picture smoothly enlarged, and not that
// picture enlarged pixel by pixel either.
void tst_DesignSystem::drawnAtTheDeviceResolution()
{
    QFETCH(QString, kind);
    // Dark, where the card's edge stands out against the window.
    const Palette::Scheme scheme = Palette::scheme();
    Palette::setScheme(Palette::Scheme::dark);
    const auto restore = qScopeGuard([scheme] { Palette::setScheme(scheme); });
    const DemoProvider data;
    std::unique_ptr<QWidget> widget;
    QSize size(220, 160);
    if (kind == QLatin1String("mark")) {
        widget = std::make_unique<VeskMark>(true);
        size = QSize(64, 64);
    } else if (kind == QLatin1String("tilted mark")) {
        widget = std::make_unique<TiltedMark>();
    } else if (kind == QLatin1String("symbol")) {
        widget = std::make_unique<SymbolView>(QStringLiteral("leaf"), 24, Palette::Role::accent);
        size = QSize(32, 32);
    } else if (kind == QLatin1String("card")) {
        widget = std::make_unique<Card>(16);
    } else if (kind == QLatin1String("donut")) {
        widget = std::make_unique<DonutChart>(data.diskCategories());
    } else if (kind == QLatin1String("treemap")) {
        widget = std::make_unique<Treemap>(data.storage().children);
        size = QSize(420, 240);
    } else {
        auto chart = std::make_unique<ActivityChart>();
        chart->setSeries(data.performance(), QStringLiteral("cpu"));
        widget = std::move(chart);
        size = QSize(420, 205);
    }
    widget->resize(size);
    size = widget->size();
    const QImage single = rendered(*widget, 1);
    const QImage doubled = rendered(*widget, 2);
    QCOMPARE(doubled.size(), size * 2);
    const QImage enlarged =
        single.scaled(size * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double sharpness = edgeEnergy(doubled) / edgeEnergy(enlarged);
    QVERIFY2(sharpness > 1.4, qPrintable(QString::number(sharpness)));
    // And it is the same picture: brought back to ratio 1 it matches.
    const double drift = differingPixels(
        doubled.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), single);
    QVERIFY2(drift < 0.01, qPrintable(QString::number(drift)));
    QVERIFY2(detailedBlocks(doubled) > 0.001, qPrintable(QString::number(detailedBlocks(doubled))));
}

// A picture kept between paints is the appearance's own: dark after a switch
// to dark, and the light one again (from the cache) after a switch back. (The
// donut's colours are the same in both.)
void tst_DesignSystem::keptPictureFollowsTheAppearance()
{
    const Palette::Scheme scheme = Palette::scheme();
    const auto restore = qScopeGuard([scheme] { Palette::setScheme(scheme); });
    TiltedMark mark;
    Palette::setScheme(Palette::Scheme::light);
    const QImage light = rendered(mark, 2);
    Palette::setScheme(Palette::Scheme::dark);
    const QImage dark = rendered(mark, 2);
    Palette::setScheme(Palette::Scheme::light);
    QCOMPARE(rendered(mark, 2), light);
    QVERIFY(differingPixels(dark, light) > 0.05);
}

void tst_DesignSystem::cardIsFillInsideItsEdges_data()
{
    QTest::addColumn<Palette::Scheme>("scheme");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        QTest::addRow("light at %g", ratio) << Palette::Scheme::light << ratio;
        QTest::addRow("dark at %g", ratio) << Palette::Scheme::dark << ratio;
    }
}

// A card fills what lies inside the outer band of its sides instead of
// stretching its frame there; the frame must hold the fill colour there.
void tst_DesignSystem::cardIsFillInsideItsEdges()
{
    QFETCH(Palette::Scheme, scheme);
    QFETCH(qreal, ratio);
    const Palette::Scheme previous = Palette::scheme();
    const auto restore = qScopeGuard([previous] { Palette::setScheme(previous); });
    Palette::setScheme(scheme);
    const QImage frame = Card::frame(ratio).toImage().convertToFormat(QImage::Format_ARGB32);
    const QMargins margins = Card::frameMargins();
    const QMargins edges = Card::edgeMargins();
    const QRgb fill = Palette::card().rgba();
    // The middle row and column of the frame, inside the outer bands.
    const int middleX = qFloor((margins.left() + 0.5) * ratio);
    const int middleY = qFloor((margins.top() + 0.5) * ratio);
    for (int x = qCeil(edges.left() * ratio); x < frame.width() - edges.right() * ratio; ++x)
        QCOMPARE(frame.pixel(x, middleY), fill);
    for (int y = qCeil(edges.top() * ratio); y < frame.height() - edges.bottom() * ratio; ++y)
        QCOMPARE(frame.pixel(middleX, y), fill);
}

// A screen reader's action on a control is a click: the owner hears what a
// mouse click tells it, and the control reads its new state.
void tst_DesignSystem::accessibleActionsClick_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("toggle") << QAccessibleActionInterface::toggleAction();
    QTest::newRow("press") << QAccessibleActionInterface::pressAction();
}

void tst_DesignSystem::accessibleActionsClick()
{
    QFETCH(QString, action);
    SegmentedControl segments(QStringLiteral("Vista"), {QStringLiteral("A"), QStringLiteral("B")});
    segments.setCurrentIndex(0);
    QSignalSpy chosen(&segments, &SegmentedControl::currentIndexChanged);
    auto *second = segments.findChildren<QAbstractButton *>().at(1);
    QAccessibleInterface *segment = QAccessible::queryAccessibleInterface(second);
    QCOMPARE(segment->role(), QAccessible::RadioButton);
    QCOMPARE(QAccessible::queryAccessibleInterface(&segments)->role(), QAccessible::Grouping);
    QVERIFY(segment->actionInterface()->actionNames().contains(action));
    segment->actionInterface()->doAction(action);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.first().first().toInt(), 1);
    QVERIFY(segment->state().checked);

    QCheckBox box(QStringLiteral("Tria"));
    QSignalSpy clicked(&box, &QCheckBox::clicked);
    QAccessibleInterface *tick = QAccessible::queryAccessibleInterface(&box);
    QCOMPARE(tick->role(), QAccessible::CheckBox);
    tick->actionInterface()->doAction(action);
    QCOMPARE(clicked.size(), 1);
    QVERIFY(box.isChecked() && tick->state().checked);

    // A disabled control offers no action and ignores one.
    box.setEnabled(false);
    QVERIFY(!tick->actionInterface()->actionNames().contains(action));
    tick->actionInterface()->doAction(action);
    QCOMPARE(clicked.size(), 1);
}

// A closed picker never changes unheard: the arrows open its list at the
// current entry, and the change is made there.
void tst_DesignSystem::pickerChangesOnlyInItsList_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("chosen");
    QTest::newRow("down") << int(Qt::Key_Down) << 2;
    QTest::newRow("up") << int(Qt::Key_Up) << 0;
    QTest::newRow("end") << int(Qt::Key_End) << 3;
    QTest::newRow("home") << int(Qt::Key_Home) << 0;
}

// The picker's own interface against Qt's combo box on the same entries:
// the same list as its child, the same actions, the same value; what it adds
// is a name from its title and the chosen entry as its text.
void tst_DesignSystem::pickerReadsAsQtsComboBox()
{
    QWidget window;
    auto *picker = new Picker(&window);
    auto *combo = new QComboBox(&window);
    for (QComboBox *box : {static_cast<QComboBox *>(picker), combo}) {
        box->addItems({u"A partir de 8 GB"_s, u"A partir de 20 GB"_s});
        box->setCurrentIndex(1);
        box->setAccessibleName(u"Mida mínima"_s);
    }
    QAccessibleInterface *ours = QAccessible::queryAccessibleInterface(picker);
    QAccessibleInterface *qts = QAccessible::queryAccessibleInterface(combo);
    QCOMPARE(ours->role(), qts->role());
    QCOMPARE(ours->childCount(), qts->childCount());
    QCOMPARE(ours->child(0)->role(), qts->child(0)->role());
    QCOMPARE(ours->child(0)->object(), picker->view());
    QCOMPARE(ours->indexOfChild(ours->child(0)), 0);
    QCOMPARE(ours->actionInterface()->actionNames(), qts->actionInterface()->actionNames());
    QCOMPARE(ours->text(QAccessible::Value), qts->text(QAccessible::Value));
    QCOMPARE(ours->text(QAccessible::Name), u"Mida mínima"_s);
    QAccessibleTextInterface *text = ours->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), u"A partir de 20 GB"_s);
}

void tst_DesignSystem::pickerChangesOnlyInItsList()
{
    QFETCH(int, key);
    QFETCH(int, chosen);
    QWidget window;
    auto *picker = new Picker(&window);
    picker->addItems({u"A"_s, u"B"_s, u"C"_s, u"D"_s});
    picker->setCurrentIndex(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    picker->setFocus();
    QSignalSpy activated(picker, &QComboBox::activated);

    QTest::keyClick(picker, Qt::Key(key));
    QTRY_VERIFY(picker->view()->isVisible());
    QCOMPARE(picker->currentIndex(), 1);
    QVERIFY(activated.isEmpty());

    QTest::keyClick(picker->view(), Qt::Key(key));
    QTest::keyClick(picker->view(), Qt::Key_Return);
    QTRY_VERIFY(!picker->view()->isVisible());
    QCOMPARE(picker->currentIndex(), chosen);
    QCOMPARE(activated.size(), 1);
}

QTEST_MAIN(tst_DesignSystem)
#include "tst_DesignSystem.moc"
