// Draws the program's pictures: the splash and about picture, the saved indicator's two images,
// the menu images, the plant picture's object icons, the sixteen switch pictures and the push
// button's two pictures, as the PNG files under resources/pictures that resources/zelvar.qrc
// ships. `drawpictures RESOURCES_FOLDER`, offscreen. The gallery pictures are the examples'
// own, written by zelvar_examples.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Palette.
const QColor kInk(0x2c, 0x44, 0x5e);
const QColor kSteel(0xa9, 0xbc, 0xcf);
const QColor kSteelLight(0xdb, 0xe5, 0xee);
const QColor kWater(0x3f, 0x8f, 0xd8);
const QColor kWaterLight(0x9c, 0xc9, 0xf0);
const QColor kSignal(0xc2, 0x3b, 0x4b);
const QColor kTrendPv(0x1f, 0x77, 0xd0);
const QColor kTrendSp(0xd9, 0x4a, 0x3a);
const QColor kTrendCo(0x3d, 0xa5, 0x5d);

QFont font(double pointSize, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

class Sketch
{
public:
    explicit Sketch(QPainter &p)
        : m_p(p)
    {}

    void pipe(const std::vector<QPointF> &points, const QColor &fluid, double width = 5)
    {
        QPainterPath path(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i]);
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(kInk, width + 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        m_p.drawPath(path);
        m_p.setPen(QPen(fluid, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        m_p.drawPath(path);
        // Flow arrow at the end.
        const QPointF end = points.back();
        const QPointF before = points[points.size() - 2];
        const double angle = qAtan2(end.y() - before.y(), end.x() - before.x());
        QPolygonF head;
        head << QPointF(0, 0) << QPointF(-9, -5) << QPointF(-9, 5);
        QTransform t;
        t.translate(end.x(), end.y());
        t.rotateRadians(angle);
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(kInk);
        m_p.drawPolygon(t.map(head));
    }

    void pump(const QPointF &c, double r = 11)
    {
        m_p.setPen(QPen(kInk, 1.4));
        m_p.setBrush(kSteelLight);
        m_p.drawEllipse(c, r, r);
        QPolygonF tri;
        tri << c + QPointF(-r * 0.55, -r * 0.6) << c + QPointF(r * 0.75, 0)
            << c + QPointF(-r * 0.55, r * 0.6);
        m_p.setBrush(kSteel);
        m_p.drawPolygon(tri);
    }

    void tank(const QRectF &r, double level, const QColor &liquid = kWater)
    {
        QPainterPath shell;
        shell.addRoundedRect(r, 8, 8);
        m_p.setPen(Qt::NoPen);
        QLinearGradient metal(r.topLeft(), r.topRight());
        metal.setColorAt(0, kSteelLight);
        metal.setColorAt(0.5, Qt::white);
        metal.setColorAt(1, kSteel);
        m_p.setBrush(metal);
        m_p.drawPath(shell);
        const double top = r.bottom() - level * r.height();
        m_p.save();
        m_p.setClipPath(shell);
        QLinearGradient water(QPointF(0, top), QPointF(0, r.bottom()));
        water.setColorAt(0, liquid.lighter(125));
        water.setColorAt(1, liquid);
        m_p.fillRect(QRectF(r.left(), top, r.width(), r.bottom() - top), water);
        m_p.restore();
        m_p.setPen(QPen(kInk, 1.6));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(shell);
    }

    void bubble(const QPointF &c, const QString &tag)
    {
        m_p.setPen(QPen(kInk, 1.4));
        m_p.setBrush(Qt::white);
        m_p.drawEllipse(c, 13, 13);
        m_p.drawLine(c + QPointF(-13, 0), c + QPointF(13, 0));
        m_p.setPen(kInk);
        m_p.setFont(font(5.6, true));
        m_p.drawText(QRectF(c.x() - 13, c.y() - 12, 26, 12), Qt::AlignCenter, tag);
        m_p.setFont(font(4.8));
        m_p.drawText(QRectF(c.x() - 13, c.y(), 26, 11), Qt::AlignCenter, QStringLiteral("100"));
    }

    void signal(const std::vector<QPointF> &points)
    {
        QPainterPath path(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i]);
        m_p.setBrush(Qt::NoBrush);
        m_p.setPen(QPen(kSignal, 1.2, Qt::DashLine));
        m_p.drawPath(path);
    }

private:
    QPainter &m_p;
};

// Typical responses for the little charts.
double stepAt(double t, double at, double low, double high)
{
    return t < at ? low : high;
}

double underdamped(double t, double at, double low, double high, double tau)
{
    if (t < at)
        return low;
    const double s = (t - at) / tau;
    return high + (low - high) * qExp(-0.6 * s) * qCos(2.2 * s);
}

void drawSplash(QPainter &p, const QRectF &r)
{
    QLinearGradient sky(r.topLeft(), r.bottomRight());
    sky.setColorAt(0, QColor(0x12, 0x2f, 0x4d));
    sky.setColorAt(1, QColor(0x1f, 0x5c, 0x8a));
    p.fillRect(r, sky);
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (double x = 0; x < r.width(); x += 20)
        p.drawLine(QPointF(x, 0), QPointF(x, r.height()));
    for (double y = 0; y < r.height(); y += 20)
        p.drawLine(QPointF(0, y), QPointF(r.width(), y));

    // A small plant: a tank with its level loop and a trend.
    QImage plant(300, 180, QImage::Format_ARGB32_Premultiplied);
    plant.fill(Qt::transparent);
    {
        QPainter q(&plant);
        q.setRenderHint(QPainter::Antialiasing);
        Sketch s(q);
        s.pipe({{0, 30}, {95, 30}, {95, 48}}, kWaterLight);
        s.tank({60, 45, 90, 110}, 0.6);
        s.pipe({{105, 155}, {105, 168}, {180, 168}}, kWaterLight);
        s.pump({192, 168});
        s.pipe({{203, 168}, {298, 168}}, kWaterLight);
        s.bubble({200, 70}, QStringLiteral("LIC"));
        s.signal({{187, 70}, {150, 70}});
        s.signal({{200, 83}, {200, 140}, {192, 140}, {192, 157}});
    }
    p.drawImage(QPointF(300, 200), plant);

    QRectF trend(40, 250, 220, 120);
    p.setPen(QPen(QColor(0x6f, 0x98, 0xc0), 1));
    p.setBrush(QColor(0x0b, 0x1d, 0x2e));
    p.drawRoundedRect(trend, 6, 6);
    const QRectF plot = trend.adjusted(10, 10, -10, -10);
    p.setPen(QPen(QColor(0x24, 0x3d, 0x56), 1));
    for (int i = 1; i < 5; ++i) {
        const double y = plot.top() + plot.height() * i / 5;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    const auto curve = [&](const QColor &c, const std::function<double(double)> &f) {
        QPainterPath path;
        for (int i = 0; i <= 200; ++i) {
            const double t = i / 200.0;
            const QPointF pt(plot.left() + t * plot.width(), plot.bottom() - f(t) * plot.height());
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setPen(QPen(c, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    };
    curve(kTrendCo.lighter(130), [](double t) {
        return t < 0.25
                   ? 0.3
                   : 0.3 + 0.25 * qExp(-(t - 0.25) / 0.2) + 0.12 * (1 - qExp(-(t - 0.25) / 0.1));
    });
    curve(kTrendSp.lighter(120), [](double t) { return stepAt(t, 0.25, 0.4, 0.72); });
    curve(kTrendPv.lighter(150), [](double t) { return underdamped(t, 0.27, 0.4, 0.72, 0.08); });

    p.setPen(Qt::white);
    QFont title = font(44, true);
    title.setLetterSpacing(QFont::PercentageSpacing, 104);
    p.setFont(title);
    p.drawText(QRectF(40, 40, 520, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zelvar"));
    p.setPen(QColor(0xff, 0xc8, 0x5a));
    p.setFont(font(16, true));
    p.drawText(QRectF(272, 56, 120, 40), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("v 7.8"));
    p.setPen(QColor(0xd6, 0xe6, 0xf5));
    p.setFont(font(13));
    p.drawText(QRectF(42, 118, 520, 28),
               Qt::AlignLeft,
               QString::fromUtf8("Simulador de Controle de Processos"));
    p.setPen(QColor(0x9c, 0xbc, 0xda));
    p.setFont(font(11));
    p.drawText(
        QRectF(42, 146, 520, 24), Qt::AlignLeft, QStringLiteral("Process Control Simulator"));
    p.setPen(QPen(QColor(0xff, 0xc8, 0x5a), 3));
    p.drawLine(QPointF(42, 180), QPointF(140, 180));
    p.setPen(QColor(0x9c, 0xbc, 0xda));
    p.setFont(font(8));
    p.drawText(QRectF(42, 400, 300, 20),
               Qt::AlignLeft,
               QString::fromUtf8("Processos · Controladores PID · Registradores"));
}

void drawDisk(QPainter &p, const QColor &body, const QColor &mark, bool saved)
{
    p.setPen(QPen(body.darker(150), 1.5));
    p.setBrush(body);
    QPainterPath disk;
    disk.moveTo(4, 4);
    disk.lineTo(24, 4);
    disk.lineTo(28, 8);
    disk.lineTo(28, 28);
    disk.lineTo(4, 28);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(9, 5, 13, 8));
    p.setBrush(body.darker(130));
    p.drawRect(QRectF(17, 6, 3, 6));
    p.setBrush(QColor(0xf4, 0xf7, 0xfa));
    p.drawRoundedRect(QRectF(8, 17, 16, 10), 1.5, 1.5);
    p.setPen(QPen(mark, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (saved) {
        p.drawPolyline(QPolygonF({QPointF(11, 22), QPointF(14.5, 25), QPointF(21, 19)}));
    } else {
        p.drawLine(QPointF(16, 18.5), QPointF(16, 22.5));
        p.setPen(Qt::NoPen);
        p.setBrush(mark);
        p.drawEllipse(QPointF(16, 25.3), 1.5, 1.5);
    }
}

using IconDrawing = std::function<void(QPainter &)>;

std::vector<std::pair<const char *, IconDrawing>> menuIcons()
{
    std::vector<std::pair<const char *, IconDrawing>> icons;
    icons.push_back(
        {"novo", [](QPainter &p) {
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(Qt::white);
             QPainterPath sheet;
             sheet.moveTo(7, 3);
             sheet.lineTo(19, 3);
             sheet.lineTo(25, 9);
             sheet.lineTo(25, 29);
             sheet.lineTo(7, 29);
             sheet.closeSubpath();
             p.drawPath(sheet);
             p.drawPolyline(QPolygonF({QPointF(19, 3), QPointF(19, 9), QPointF(25, 9)}));
             p.setPen(QPen(kTrendCo, 3, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(16, 14), QPointF(16, 24));
             p.drawLine(QPointF(11, 19), QPointF(21, 19));
         }});
    const auto folder = [](QPainter &p, bool open) {
        p.setPen(QPen(QColor(0xa8, 0x7a, 0x1e), 1.5));
        p.setBrush(QColor(0xf2, 0xc2, 0x4e));
        QPainterPath back;
        back.moveTo(3, 8);
        back.lineTo(12, 8);
        back.lineTo(14, 11);
        back.lineTo(28, 11);
        back.lineTo(28, 27);
        back.lineTo(3, 27);
        back.closeSubpath();
        p.drawPath(back);
        if (open) {
            p.setBrush(QColor(0xfb, 0xdc, 0x86));
            QPolygonF front({QPointF(7, 15), QPointF(31, 15), QPointF(27, 27), QPointF(3, 27)});
            p.drawPolygon(front);
        }
    };
    icons.push_back({"abrir", [folder](QPainter &p) {
                         folder(p, true);
                     }});
    icons.push_back({"pasta", [folder](QPainter &p) {
                         folder(p, false);
                         p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
                         p.drawPoint(QPointF(11, 20));
                         p.drawPoint(QPointF(16, 20));
                         p.drawPoint(QPointF(21, 20));
                     }});
    icons.push_back({"salvarcomo", [](QPainter &p) {
                         drawDisk(p, QColor(0x3a, 0x6f, 0xb0), QColor(0x3a, 0x6f, 0xb0), true);
                         p.setPen(QPen(QColor(0xc2, 0x7c, 0x0e), 4, Qt::SolidLine, Qt::RoundCap));
                         p.drawLine(QPointF(20, 29), QPointF(29, 20));
                     }});
    icons.push_back(
        {"sair", [](QPainter &p) {
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(QColor(0xd9, 0xc3, 0xa4));
             p.drawRect(QRectF(5, 3, 14, 26));
             p.setPen(QPen(kSignal, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawLine(QPointF(14, 16), QPointF(28, 16));
             p.drawPolyline(QPolygonF({QPointF(23, 11), QPointF(28, 16), QPointF(23, 21)}));
         }});
    icons.push_back({"website", [](QPainter &p) {
                         p.setPen(QPen(kTrendPv.darker(130), 1.5));
                         p.setBrush(QColor(0xdd, 0xee, 0xfb));
                         p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
                         p.setBrush(Qt::NoBrush);
                         p.drawEllipse(QPointF(16, 16), 5.5, 12.5);
                         p.drawLine(QPointF(3.5, 16), QPointF(28.5, 16));
                         p.drawLine(QPointF(16, 3.5), QPointF(16, 28.5));
                     }});
    icons.push_back(
        {"video", [](QPainter &p) {
             p.setPen(QPen(kInk, 1.5));
             p.setBrush(QColor(0xd2, 0x4b, 0x3c));
             p.drawRoundedRect(QRectF(3, 7, 26, 18), 5, 5);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawPolygon(QPolygonF({QPointF(13, 11), QPointF(21, 16), QPointF(13, 21)}));
         }});
    icons.push_back({"aulas", [](QPainter &p) {
                         p.setPen(QPen(kInk, 1.5));
                         p.setBrush(QColor(0x4f, 0x8f, 0x5d));
                         p.drawRect(QRectF(6, 4, 20, 24));
                         p.setBrush(Qt::white);
                         p.drawRect(QRectF(9, 7, 14, 7));
                         p.setPen(QPen(Qt::white, 1.5));
                         p.drawLine(QPointF(10, 19), QPointF(22, 19));
                         p.drawLine(QPointF(10, 23), QPointF(19, 23));
                     }});
    icons.push_back({"sobre", [](QPainter &p) {
                         p.setPen(Qt::NoPen);
                         p.setBrush(kTrendPv);
                         p.drawEllipse(QPointF(16, 16), 13, 13);
                         p.setBrush(Qt::white);
                         p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
                         p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1.5, 1.5);
                     }});
    return icons;
}

// ---- Plant picture: object icons, switches, push buttons -------------------------------------

std::vector<std::pair<const char *, IconDrawing>> objectIcons()
{
    std::vector<std::pair<const char *, IconDrawing>> icons;
    // A controller: its faceplate with the PV, SP and CO bars.
    icons.push_back({"controlador", [](QPainter &p) {
                         p.setPen(QPen(kInk, 2));
                         p.setBrush(QColor(0x1c, 0x2b, 0x3a));
                         p.drawRoundedRect(QRectF(3, 2, 26, 28), 3, 3);
                         p.setPen(Qt::NoPen);
                         const std::array<std::pair<QColor, double>, 3> bars
                             = {{{kTrendPv.lighter(130), 15}, {kTrendSp, 9}, {kTrendCo, 19}}};
                         for (std::size_t i = 0; i < bars.size(); ++i) {
                             const double x = 7 + 7 * static_cast<double>(i);
                             p.setBrush(QColor(0x33, 0x4a, 0x61));
                             p.drawRect(QRectF(x, 6, 5, 20));
                             p.setBrush(bars[i].first);
                             p.drawRect(QRectF(x, 26 - bars[i].second, 5, bars[i].second));
                         }
                     }});
    // A process: a step and the lagging response it causes.
    icons.push_back({"processo", [](QPainter &p) {
                         p.setPen(QPen(kInk, 2));
                         p.setBrush(Qt::white);
                         p.drawRoundedRect(QRectF(2, 3, 28, 26), 3, 3);
                         p.setPen(QPen(kTrendSp, 2, Qt::SolidLine, Qt::FlatCap));
                         p.drawPolyline(QPolygonF(
                             {QPointF(5, 24), QPointF(10, 24), QPointF(10, 9), QPointF(27, 9)}));
                         QPainterPath response(QPointF(5, 24));
                         response.lineTo(11, 24);
                         response.cubicTo(QPointF(14, 12), QPointF(19, 10), QPointF(27, 10));
                         p.setBrush(Qt::NoBrush);
                         p.setPen(QPen(kTrendPv, 2.6, Qt::SolidLine, Qt::RoundCap));
                         p.drawPath(response);
                     }});
    // A calculation block: f(x).
    icons.push_back({"bloco", [](QPainter &p) {
                         p.setPen(QPen(QColor(0xa8, 0x7a, 0x1e), 2));
                         p.setBrush(QColor(0xfb, 0xdc, 0x86));
                         p.drawRoundedRect(QRectF(2, 4, 28, 24), 4, 4);
                         QFont f = font(11, true);
                         f.setItalic(true);
                         p.setFont(f);
                         p.setPen(kInk);
                         p.drawText(QRectF(2, 4, 28, 24), Qt::AlignCenter, QStringLiteral("f"));
                     }});
    // A strip-chart recorder: paper with two pens.
    icons.push_back({"registrador", [](QPainter &p) {
                         p.setPen(QPen(kInk, 2));
                         p.setBrush(QColor(0xf6, 0xf8, 0xf0));
                         p.drawRoundedRect(QRectF(2, 3, 28, 26), 3, 3);
                         p.setPen(QPen(QColor(0xc5, 0xd3, 0xb8), 1));
                         for (int x = 8; x < 30; x += 6)
                             p.drawLine(QPointF(x, 5), QPointF(x, 27));
                         p.setBrush(Qt::NoBrush);
                         p.setPen(QPen(kTrendSp, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                         p.drawPolyline(QPolygonF({QPointF(5, 21),
                                                   QPointF(10, 18),
                                                   QPointF(15, 22),
                                                   QPointF(21, 13),
                                                   QPointF(27, 15)}));
                         p.setPen(QPen(kTrendPv, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                         p.drawPolyline(QPolygonF({QPointF(5, 11),
                                                   QPointF(11, 9),
                                                   QPointF(16, 12),
                                                   QPointF(22, 7),
                                                   QPointF(27, 8)}));
                     }});
    return icons;
}

// A toggle switch on its plate. The lever points towards the orientation when the switch is
// on (1) and away from it when off (0); the lamp is lit while on. Switch 2 has a blue lever
// so that the two can be told apart.
void drawSwitch(QPainter &p, int orientation, bool on, const QColor &lever)
{
    const QRectF plate(2, 2, 45, 45);
    QLinearGradient metal(plate.topLeft(), plate.bottomRight());
    metal.setColorAt(0, Qt::white);
    metal.setColorAt(1, kSteel);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(metal);
    p.drawRoundedRect(plate, 6, 6);

    const QPointF centre(24.5, 24.5);
    // Orientation 0 left, 1 up, 2 right, 3 down.
    const std::array<QPointF, 4> directions
        = {QPointF(-1, 0), QPointF(0, -1), QPointF(1, 0), QPointF(0, 1)};
    const QPointF towards = directions[static_cast<std::size_t>(orientation)];
    const QPointF side(-towards.y(), towards.x());

    // The marks at both ends of the lever's travel, upright whatever the orientation.
    p.setFont(font(6.5, true));
    p.setPen(kInk);
    const auto mark = [&](const QPointF &at, const QString &text) {
        p.drawText(QRectF(at.x() - 5, at.y() - 5, 10, 10), Qt::AlignCenter, text);
    };
    mark(centre + towards * 15 + side * 13, QStringLiteral("1"));
    mark(centre - towards * 15 + side * 13, QStringLiteral("0"));

    // Lamp.
    const QPointF lamp = centre - side * 14;
    QRadialGradient glow(lamp - QPointF(1, 1), 5);
    glow.setColorAt(0, on ? QColor(0xb8, 0xff, 0xa8) : QColor(0x8a, 0x95, 0xa0));
    glow.setColorAt(1, on ? QColor(0x2f, 0xa8, 0x3c) : QColor(0x4d, 0x58, 0x63));
    p.setPen(QPen(kInk, 1));
    p.setBrush(glow);
    p.drawEllipse(lamp, 4, 4);

    // Base nut and lever.
    p.setBrush(QColor(0x6f, 0x80, 0x92));
    p.drawEllipse(centre, 7.5, 7.5);
    p.setBrush(QColor(0xc7, 0xd2, 0xdd));
    p.drawEllipse(centre, 4.5, 4.5);
    const QPointF tip = centre + (on ? towards : -towards) * 15;
    p.setPen(QPen(kInk, 6.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, tip);
    p.setPen(QPen(QColor(0xe4, 0xea, 0xf0), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, tip);
    p.setPen(QPen(kInk, 1));
    QRadialGradient knob(tip - QPointF(1.5, 1.5), 6);
    knob.setColorAt(0, lever.lighter(160));
    knob.setColorAt(1, lever);
    p.setBrush(knob);
    p.drawEllipse(tip, 5, 5);
}

// A round push button in its bezel; pressed it sits lower and is lit.
void drawPushButton(QPainter &p, bool pressed)
{
    const QPointF centre(20.5, 20.5);
    QLinearGradient bezel(QPointF(0, 0), QPointF(41, 41));
    bezel.setColorAt(0, Qt::white);
    bezel.setColorAt(1, QColor(0x7d, 0x8e, 0xa0));
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(bezel);
    p.drawEllipse(centre, 19, 19);
    p.setBrush(QColor(0x39, 0x48, 0x57));
    p.drawEllipse(centre, 14.5, 14.5);
    const double radius = pressed ? 12 : 13.5;
    const QPointF face = centre + (pressed ? QPointF(0.5, 0.8) : QPointF(-0.6, -0.8));
    QRadialGradient fill(face - QPointF(4, 4), radius * 1.6);
    if (pressed) {
        fill.setColorAt(0, QColor(0xd8, 0xff, 0xb8));
        fill.setColorAt(0.55, QColor(0x5c, 0xd6, 0x4c));
        fill.setColorAt(1, QColor(0x1f, 0x7a, 0x2a));
    } else {
        fill.setColorAt(0, QColor(0xb6, 0xe0, 0xae));
        fill.setColorAt(0.6, QColor(0x3f, 0x9a, 0x4a));
        fill.setColorAt(1, QColor(0x1e, 0x55, 0x27));
    }
    p.setPen(QPen(QColor(0x14, 0x3d, 0x1b), 1));
    p.setBrush(fill);
    p.drawEllipse(face, radius, radius);
    if (!pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(
            QRectF(face.x() - radius + 3, face.y() - radius + 3, 2 * radius - 6, 2 * radius - 6),
            100 * 16,
            70 * 16);
    }
}

bool save(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

#include <QFileInfo>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawpictures RESOURCES_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    {
        QImage image = canvas(602, 452);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        drawSplash(p, QRectF(0, 0, 602, 452));
        p.end();
        ok &= save(image, out + QStringLiteral("/pictures/splash.png"));
    }

    const auto icon = [&](const QString &name, const IconDrawing &draw, int size = 32) {
        QImage image = canvas(size, size);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        p.end();
        ok &= save(image, out + QStringLiteral("/pictures/") + name + QStringLiteral(".png"));
    };
    icon(QStringLiteral("saved"), [](QPainter &p) {
        drawDisk(p, QColor(0x2f, 0x8a, 0x4c), QColor(0x2f, 0x8a, 0x4c), true);
    });
    icon(QStringLiteral("changed"), [](QPainter &p) {
        drawDisk(p, QColor(0xd9, 0x6a, 0x1d), QColor(0xc2, 0x2f, 0x2f), false);
    });
    icon(
        QStringLiteral("zelvar"),
        [](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x1f, 0x4f, 0x7a));
            p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
            Sketch s(p);
            s.tank({8, 8, 16, 18}, 0.55, kWaterLight);
        },
        64);
    for (const auto &[name, draw] : menuIcons())
        icon(QStringLiteral("menu/") + QString::fromLatin1(name), draw);
    for (const auto &[name, draw] : objectIcons())
        icon(QStringLiteral("icones/") + QString::fromLatin1(name), draw);

    const auto picture = [&](const QString &name, int size, const IconDrawing &draw) {
        QImage image = canvas(size, size);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        draw(p);
        p.end();
        ok &= save(image, out + QStringLiteral("/pictures/") + name + QStringLiteral(".png"));
    };
    // Pictures 2i + 1 (off) and 2i + 2 (on) of orientation i, for both switches.
    const std::array<QColor, 3> levers
        = {QColor(), QColor(0xd9, 0x5f, 0x2b), QColor(0x2f, 0x6f, 0xc0)};
    for (int s = 1; s <= 2; ++s) {
        for (int n = 1; n <= 8; ++n) {
            const int orientation = (n - 1) / 2;
            const bool on = n % 2 == 0;
            picture(QStringLiteral("chaves/chave%1p%2").arg(s).arg(n), 49, [&](QPainter &p) {
                drawSwitch(p, orientation, on, levers[static_cast<std::size_t>(s)]);
            });
        }
    }
    picture(QStringLiteral("botoes/botao_norm"), 41, [](QPainter &p) { drawPushButton(p, false); });
    picture(QStringLiteral("botoes/botao_press"), 41, [](QPainter &p) { drawPushButton(p, true); });

    return ok ? 0 : 1;
}
