#include "BaseKit/Images/SymbolGlyphs.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>

namespace BaseKit {

namespace {

const QHash<QString, char32_t>& table()
{
    static const QHash<QString, char32_t> glyphs{
        {QStringLiteral("gearshape"), 0xE8B8},                         // settings
        {QStringLiteral("square.3.layers.3d"), 0xE53B},                // layers
        {QStringLiteral("thermometer"), 0xF076},                       // thermostat
        {QStringLiteral("network.slash"), 0xF1CA},                     // public_off
        {QStringLiteral("app"), 0xE3C6},                               // crop_square
        {QStringLiteral("circle.hexagonpath"), 0xEB39},                // hexagon
        {QStringLiteral("line.3.horizontal"), 0xE5D2},                 // menu
        {QStringLiteral("wifi"), 0xE63E},                              // wifi
        {QStringLiteral("rectangle.connected.to.line.below"), 0xE8BE}, // settings_ethernet
        {QStringLiteral("snowflake"), 0xEB3B},                         // ac_unit
        {QStringLiteral("flame.fill"), 0xEF55},                        // local_fire_department
        {QStringLiteral("circle.fill"), 0xEF4A},                       // circle
        {QStringLiteral("eject.fill"), 0xE8FB},                        // eject
        {QStringLiteral("externaldrive"), 0xE1DB},                     // storage
        {QStringLiteral("powerplug.fill"), 0xE63C},                    // power
        {QStringLiteral("square.stack.3d.up.fill"), 0xE53B},           // layers
        {QStringLiteral("square.stack.3d.up"), 0xE3E0},                // filter_none
        {QStringLiteral("chevron.left"), 0xE5CB},                      // chevron_left
        {QStringLiteral("chevron.right"), 0xE5CC},                     // chevron_right
        {QStringLiteral("computer"), 0xE30A},                          // computer
        {QStringLiteral("info.circle"), 0xE88F},                       // info_outline
        {QStringLiteral("exclamationmark.triangle"), 0xF083},          // warning_amber
        {QStringLiteral("checkmark.circle"), 0xE92D},                  // check_circle_outline
        {QStringLiteral("exclamationmark.circle"), 0xE001},            // error_outline
        {QStringLiteral("checkmark.circle.fill"), 0xE86C},             // check_circle
        {QStringLiteral("x.circle.fill"), 0xE5C9},                     // cancel
        {QStringLiteral("memorychip"), 0xE30D},                        // developer_board
        {QStringLiteral("fanblades.fill"), 0xE332},                    // toys
        {QStringLiteral("gauge"), 0xE9E4},                             // speed
        {QStringLiteral("rectangle.grid.2x2.fill"), 0xE9B0},           // grid_view
        {QStringLiteral("bolt.fill"), 0xEA0B},                         // bolt
        {QStringLiteral("cpu"), 0xE322},                               // memory
        {QStringLiteral("sdcard"), 0xE623},                            // sd_card
        {QStringLiteral("internaldrive"), 0xE1DB},                     // storage
        {QStringLiteral("battery.25"), 0xEBE0},                        // battery_2_bar
        {QStringLiteral("battery.50"), 0xEBE2},                        // battery_4_bar
        {QStringLiteral("battery.75"), 0xEBD4},                        // battery_5_bar
        {QStringLiteral("battery.100"), 0xE1A4},                       // battery_full
        {QStringLiteral("battery.100.circle.fill"), 0xE1A4},           // battery_full
        {QStringLiteral("clock.circle.fill"), 0xE8B5},                 // schedule
        {QStringLiteral("clock"), 0xE192},                             // access_time
        {QStringLiteral("arrow.clockwise.circle.fill"), 0xE863},       // autorenew
        {QStringLiteral("arrow.clockwise"), 0xE5D5},                   // refresh
        {QStringLiteral("heart.circle.fill"), 0xE87D},                 // favorite
        {QStringLiteral("heart"), 0xE87E},                             // favorite_border
        {QStringLiteral("powerplug"), 0xE63C},                         // power
        {QStringLiteral("bolt.circle.fill"), 0xE932},                  // offline_bolt
        {QStringLiteral("house.circle.fill"), 0xE88A},                 // home
        {QStringLiteral("house"), 0xEA44},                             // house
        {QStringLiteral("calendar.circle.fill"), 0xE878},              // event
        {QStringLiteral("calendar"), 0xE935},                          // calendar_today
        {QStringLiteral("info.circle.fill"), 0xE88E},                  // info
        {QStringLiteral("info"), 0xE88F},                              // info_outline
        {QStringLiteral("laptopcomputer"), 0xE31E},                    // laptop
        {QStringLiteral("desktopcomputer"), 0xE30A},                   // computer
        {QStringLiteral("macstudio"), 0xE30A},                         // computer
        {QStringLiteral("macmini"), 0xE30A},                           // computer
        {QStringLiteral("macpro.gen1"), 0xE30A},                       // computer
        {QStringLiteral("macpro.gen2"), 0xE30A},                       // computer
        {QStringLiteral("macpro.gen3"), 0xE30A},                       // computer
    };
    return glyphs;
}

const QRawFont& rawFont()
{
    // Outlines are taken at one large size and scaled, so every frame size draws from the same path.
    static const QRawFont font(SymbolGlyphs::fontData(), 512);
    return font;
}

} // namespace

char32_t SymbolGlyphs::codepoint(const QString& name)
{
    return table().value(name, fallbackCodepoint);
}

bool SymbolGlyphs::contains(const QString& name)
{
    return table().contains(name);
}

QStringList SymbolGlyphs::names()
{
    QStringList result = table().keys();
    result.sort();
    return result;
}

const QByteArray& SymbolGlyphs::fontData()
{
    static const QByteArray data = [] {
        QFile file(QStringLiteral(":/kestrion/fonts/MaterialIcons-Regular.ttf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return data;
}

QString SymbolGlyphs::family()
{
    static QString name;
    if (name.isEmpty() && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const int id = QFontDatabase::addApplicationFontFromData(fontData());
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            name = families.front();
    }
    return name;
}

QFont SymbolGlyphs::font(qreal pixelSize)
{
    QFont f(family());
    f.setPixelSize(std::max(1, int(pixelSize)));
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

QString SymbolGlyphs::text(const QString& name)
{
    const char32_t point = codepoint(name);
    return QString::fromUcs4(&point, 1);
}

void SymbolGlyphs::draw(QPainter& painter, const QRectF& frame, const QString& name, const QColor& color,
                        qreal weight)
{
    const QRawFont& font = rawFont();
    if (!font.isValid() || frame.isEmpty())
        return;
    const QString glyph = text(name);
    const QList<quint32> indexes = font.glyphIndexesForString(glyph);
    if (indexes.isEmpty() || indexes.front() == 0)
        return;
    // The glyph's em square: its advance wide, ascent plus descent high, the baseline at the ascent.
    const qreal em = font.ascent() + font.descent();
    const qreal side = std::min(frame.width(), frame.height());
    const qreal scale = side / em;
    const QPainterPath outline = font.pathForGlyph(indexes.front());
    const QRectF square(frame.center().x() - side / 2, frame.center().y() - side / 2, side, side);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(QList<quint32>{indexes.front()});
    const qreal advance = advances.isEmpty() ? em : advances.front().x();
    painter.translate(square.left() + (side - advance * scale) / 2, square.top() + font.ascent() * scale);
    painter.scale(scale, scale);
    painter.fillPath(outline, color);
    if (weight > 0) {
        QPen pen(color, std::min(weight, 1.0) * em * 0.06);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        painter.strokePath(outline, pen);
    }
    painter.restore();
}

QImage SymbolGlyphs::render(const QString& name, int pixelSize, const QColor& color, qreal weight)
{
    QImage image(std::max(1, pixelSize), std::max(1, pixelSize), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter, QRectF(0, 0, image.width(), image.height()), name, color, weight);
    painter.end();
    return image;
}

} // namespace BaseKit
