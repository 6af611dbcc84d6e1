// SPDX-FileCopyrightText: 2026 The vesk developers
// SPDX-License-Identifier: LicenseRef-proprietary

// vesk's text against Qt's own line layout, for every text of the Catalan
// catalog in every font the design system uses: the same line breaks and the
// same glyph positions, within half a device pixel. On a Mac this compares
// with Core Text's shaping, on Linux with HarfBuzz and FreeType.

#include "DesignSystem/text/Fonts.h"
#include "DesignSystem/text/TextLabel.h"
#include "DesignSystem/text/TextMeasure.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <QtMath>

#include <functional>

using namespace vesk;
using namespace Qt::StringLiterals;

namespace {

// Every source text of the Catalan catalog.
QStringList catalogTexts()
{
    QFile file(QStringLiteral(VESK_SOURCE_DIR "/translations/vesk_ca.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList texts;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"source"_s)
            texts << xml.readElementText();
        else
            xml.readNext();
    }
    texts.removeDuplicates();
    return texts;
}

// Every font the sources ask the design system for: Fonts::ui(13),
// Fonts::rounded(27, QFont::DemiBold) and the like.
QList<std::pair<QString, QFont>> designFonts()
{
    static const QRegularExpression call(uR"(Fonts::(ui|rounded)\((\d+)(?:,\s*QFont::(\w+))?\))"_s);
    static const QMap<QString, QFont::Weight> weights{{u"Light"_s, QFont::Light},
                                                      {u"Normal"_s, QFont::Normal},
                                                      {u"Medium"_s, QFont::Medium},
                                                      {u"DemiBold"_s, QFont::DemiBold},
                                                      {u"Bold"_s, QFont::Bold}};
    QMap<QString, QFont> fonts;
    QDirIterator files(QStringLiteral(VESK_SOURCE_DIR "/vesk"), {u"*.cpp"_s}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &m : call.globalMatch(source)) {
            const int size = m.captured(2).toInt();
            const QFont::Weight weight = weights.value(m.captured(3), QFont::Normal);
            const QFont font =
                m.captured(1) == u"ui"_s ? Fonts::ui(size, weight) : Fonts::rounded(size, weight);
            fonts.insert(m.captured(0), font);
        }
    }
    return {fonts.keyValueBegin(), fonts.keyValueEnd()};
}

struct ReferenceLine
{
    QString text;
    QList<qreal> glyphX; // every glyph's x, in the order Qt lays them out
};

QList<qreal> glyphXs(const QList<QGlyphRun> &runs, qreal dx)
{
    QList<qreal> xs;
    for (const QGlyphRun &run : runs) {
        for (const QPointF &p : run.positions())
            xs << p.x() + dx;
    }
    return xs;
}

// The text as QTextLayout breaks it at `width` with the options of a label.
QList<ReferenceLine> referenceLines(const QString &text, const QFont &font, qreal width)
{
    QList<ReferenceLine> lines;
    for (const QString &paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            lines << ReferenceLine{paragraph.mid(line.textStart(), line.textLength()),
                                   glyphXs(line.glyphRuns(), line.x())};
        }
    }
    return lines;
}

// What a label really paints: each text item and where it starts.
class PaintedText : public QPaintEngine
{
public:
    PaintedText() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        items << PaintedItem{p, item.text()};
    }
    Type type() const override { return User; }

    struct PaintedItem
    {
        QPointF baseline;
        QString text;
    };
    QList<PaintedItem> items;
};

class PaintedTextDevice : public QPaintDevice
{
public:
    explicit PaintedTextDevice(QSize size) : m_size(size) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    PaintedText &engine() { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 96;
        }
    }

private:
    QSize m_size;
    mutable PaintedText m_engine;
};

} // namespace

class tst_Text : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bundledFacesAreDrawn_data();
    void bundledFacesAreDrawn();
    void linesAreQtsOwn_data();
    void linesAreQtsOwn();
    void centredLineIsDrawTexts_data();
    void centredLineIsDrawTexts();
    void labelPaintsQtsLines();

private:
    QStringList m_texts;
    qreal m_ratio = 1;
};

void tst_Text::initTestCase()
{
    Fonts::registerBundled();
    m_texts = catalogTexts();
    QVERIFY(m_texts.size() > 300);
    m_ratio = qApp->devicePixelRatio();
    QCOMPARE(m_ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                          ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                          : 1.0);
}

void tst_Text::bundledFacesAreDrawn_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("everyCharacter");
#ifdef Q_OS_MACOS
    QSKIP("The system face is drawn on a Mac");
#endif
    // An Inter installed on the system (the build machine has one) must not
    // take the place of the bundled cut, at any weight the design uses.
    const QString inter = u"Inter vesk"_s;
    QTest::newRow("ui regular") << Fonts::ui(13) << inter << int(QFont::Normal) << true;
    QTest::newRow("ui medium") << Fonts::ui(12, QFont::Medium) << inter << int(QFont::Medium)
                               << true;
    QTest::newRow("ui semibold") << Fonts::ui(13, QFont::DemiBold) << inter << int(QFont::DemiBold)
                                 << true;
    QTest::newRow("ui bold") << Fonts::ui(10, QFont::Bold) << inter << int(QFont::Bold) << true;
    // Quicksand has no arrows; the rounded font falls back to Inter for them.
    QTest::newRow("rounded") << Fonts::rounded(32, QFont::DemiBold) << u"Quicksand"_s
                             << int(QFont::Bold) << false;
}

void tst_Text::bundledFacesAreDrawn()
{
    QFETCH(QFont, font);
    QFETCH(QString, family);
    QFETCH(int, weight);
    QFETCH(bool, everyCharacter);
    const QFontInfo info(font);
    QCOMPARE(info.family(), family);
    QCOMPARE(info.weight(), weight);
    // The bundled cut holds every character the texts use; one it lacked
    // would be drawn from whatever face the system falls back to.
    if (!everyCharacter)
        return;
    const QRawFont face = QRawFont::fromFont(font);
    for (const QString &text : std::as_const(m_texts)) {
        for (const char32_t c : text.toUcs4()) {
            if (c != u'\n')
                QVERIFY2(
                    face.supportsCharacter(c),
                    qPrintable(u"U+%1 in \"%2\""_s.arg(uint(c), 4, 16, QChar(u'0')).arg(text)));
        }
    }
}

void tst_Text::linesAreQtsOwn_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<qreal>("width");
    const QList<std::pair<QString, QFont>> fonts = designFonts();
    QVERIFY(fonts.size() >= 10);
    for (const auto &[name, font] : fonts) {
        for (const qreal width : {qreal(120), qreal(320), qreal(640)})
            QTest::addRow("%s at %g", qPrintable(name), width) << font << width;
    }
}

// Line for line and glyph for glyph, vesk's measure is Qt's layout.
void tst_Text::linesAreQtsOwn()
{
    QFETCH(QFont, font);
    QFETCH(qreal, width);
    const qreal tolerance = 0.5 / m_ratio; // half a device pixel, in logical pixels
    for (const QString &text : std::as_const(m_texts)) {
        const TextMeasure measure(text, font);
        const QList<ReferenceLine> expected = referenceLines(text, font, width);
        const QList<TextMeasure::Line> lines = measure.lines(width);
        const QList<QList<QGlyphRun>> runs = measure.glyphRuns(width);
        QCOMPARE(lines.size(), expected.size());
        QCOMPARE(measure.lineCount(width), int(expected.size()));
        const QStringList paragraphs = text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const TextMeasure::Line &line = lines.at(i);
            QCOMPARE(paragraphs.at(line.paragraph).mid(line.start, line.length),
                     expected.at(i).text);
            const QList<qreal> xs = glyphXs(runs.at(i), 0);
            QCOMPARE(xs.size(), expected.at(i).glyphX.size());
            for (qsizetype g = 0; g < xs.size(); ++g) {
                QVERIFY2(qAbs(xs.at(g) - expected.at(i).glyphX.at(g)) <= tolerance,
                         qPrintable(u"%1, line %2, glyph %3"_s.arg(text).arg(i).arg(g)));
            }
        }
    }
}

void tst_Text::centredLineIsDrawTexts_data()
{
    QTest::addColumn<QFont>("font");
    for (const auto &[name, font] : designFonts())
        QTest::newRow(qPrintable(name)) << font;
}

// A title drawn on one line in a box (a sidebar row, a button) is pixel for
// pixel what QPainter::drawText draws there, centred in the box's height,
// whether it fits or is cut at the box's edge.
void tst_Text::centredLineIsDrawTexts()
{
    QFETCH(QFont, font);
    const auto render = [this, &font](QSize size, const std::function<void(QPainter &)> &draw) {
        QImage image(size * m_ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(m_ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QColor(0x1B3438));
        painter.setFont(font);
        draw(painter);
        return image;
    };
    for (const QString &text : std::as_const(m_texts)) {
        if (text.contains(u'\n') || text.size() > 40)
            continue;
        const TextMeasure measure(text, font);
        const qreal natural = measure.naturalWidth();
        for (const QRectF box : {QRectF(3, 2, natural + 10, 38), QRectF(0.5, 0, natural / 2, 24)}) {
            const QSize size(qCeil(box.right()) + 4, qCeil(box.bottom()) + 4);
            const QImage ours =
                render(size, [&](QPainter &painter) { measure.drawCentredLine(painter, box); });
            const QImage qts = render(size, [&](QPainter &painter) {
                painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                                 text);
            });
            QVERIFY2(ours == qts, qPrintable(text));
        }
    }
}

// What a wrapping label paints, line by line, is what QTextLayout lays out:
// the same texts, each starting where Qt starts it.
void tst_Text::labelPaintsQtsLines()
{
    // Laid out at the height it asks for at its width, a wrapping label
    // paints Qt's lines, each from its left edge, the last one whole inside
    // and no empty line below it.
    const QFont font = Fonts::ui(13);
    const QFontMetricsF metrics(font);
    for (const QString &text : std::as_const(m_texts)) {
        TextLabel label(text, font, Palette::Role::ink);
        label.setWordWrap(true);
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        for (const int width : {label.minimumSizeHint().width(), 120, 320}) {
            const int height = label.heightForWidth(width);
            label.resize(width, height);
            PaintedTextDevice device(label.size());
            label.render(&device, QPoint(), QRegion(), QWidget::RenderFlags());
            const QList<ReferenceLine> expected = referenceLines(text, font, width);
            QStringList painted;
            qreal lastBaseline = 0;
            for (const auto &[baseline, item] : device.engine().items) {
                QVERIFY2(qAbs(baseline.x()) <= 0.5 / m_ratio, qPrintable(text + u" / "_s + item));
                lastBaseline = qMax(lastBaseline, baseline.y());
                painted << item;
            }
            QStringList lines; // Qt draws no trailing space
            for (const ReferenceLine &line : expected) {
                static const QRegularExpression trailing(u"\\s+$"_s);
                if (!line.text.trimmed().isEmpty())
                    lines << QString(line.text).remove(trailing);
            }
            painted.removeAll(QString());
            QCOMPARE(painted, lines);
            if (!painted.isEmpty()) {
                QVERIFY2(lastBaseline + metrics.descent() <= height + 0.5,
                         qPrintable(u"%1 at %2: below %3"_s.arg(text).arg(width).arg(height)));
                QVERIFY2(lastBaseline > height - metrics.lineSpacing(),
                         qPrintable(u"%1 at %2: room below"_s.arg(text).arg(width)));
            }
        }
    }
}

QTEST_MAIN(tst_Text)
#include "tst_Text.moc"
