// Draws the program's pictures: the splash and about picture, the saved indicator's two images,
// the menu images, the 22 gallery pictures, the plant picture's object icons, the sixteen
// switch pictures and the push button's two pictures. Run by ./render, which writes the PNG files
// that resources/zelvar.qrc ships.
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
const QColor kHot(0xe2, 0x6b, 0x3a);
const QColor kCold(0x3a, 0x9a, 0xc9);
const QColor kGas(0x8c, 0xb3, 0x4f);
const QColor kAir(0x9a, 0xa8, 0xb8);
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

    void background(const QRectF &r)
    {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(0xf7, 0xfa, 0xfc));
        g.setColorAt(1, QColor(0xe4, 0xec, 0xf3));
        m_p.fillRect(r, g);
        m_p.setPen(QPen(QColor(0xd5, 0xdf, 0xe8), 1));
        for (double x = r.left() + 16; x < r.right(); x += 16)
            m_p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        for (double y = r.top() + 16; y < r.bottom(); y += 16)
            m_p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }

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

    void valve(const QPointF &c, bool vertical = false, const QColor &fill = kSteelLight)
    {
        m_p.save();
        m_p.translate(c);
        if (vertical)
            m_p.rotate(90);
        QPolygonF left, right;
        left << QPointF(-9, -6) << QPointF(0, 0) << QPointF(-9, 6);
        right << QPointF(9, -6) << QPointF(0, 0) << QPointF(9, 6);
        m_p.setPen(QPen(kInk, 1.4));
        m_p.setBrush(fill);
        m_p.drawPolygon(left);
        m_p.drawPolygon(right);
        if (!vertical) {
            m_p.drawLine(QPointF(0, 0), QPointF(0, -11));
            QPainterPath dome;
            dome.moveTo(-7, -11);
            dome.arcTo(QRectF(-7, -18, 14, 14), 180, -180);
            dome.closeSubpath();
            m_p.setBrush(kSteel);
            m_p.drawPath(dome);
        }
        m_p.restore();
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

    void motor(const QPointF &c)
    {
        m_p.setPen(QPen(kInk, 1.2));
        m_p.setBrush(Qt::white);
        m_p.drawEllipse(c, 8, 8);
        m_p.setFont(font(6, true));
        m_p.setPen(kInk);
        m_p.drawText(QRectF(c.x() - 8, c.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("M"));
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

    void column(const QRectF &r, int trays)
    {
        QPainterPath shell;
        shell.addRoundedRect(r, r.width() / 2, r.width() / 2);
        QLinearGradient metal(r.topLeft(), r.topRight());
        metal.setColorAt(0, kSteelLight);
        metal.setColorAt(0.5, Qt::white);
        metal.setColorAt(1, kSteel);
        m_p.setPen(QPen(kInk, 1.6));
        m_p.setBrush(metal);
        m_p.drawPath(shell);
        m_p.setPen(QPen(kInk, 1, Qt::DashLine));
        const double step = (r.height() - r.width()) / (trays + 1);
        for (int i = 1; i <= trays; ++i) {
            const double y = r.top() + r.width() / 2 + i * step;
            m_p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
        }
    }

    void exchanger(const QRectF &r)
    {
        QLinearGradient metal(r.topLeft(), r.bottomLeft());
        metal.setColorAt(0, Qt::white);
        metal.setColorAt(1, kSteel);
        m_p.setPen(QPen(kInk, 1.6));
        m_p.setBrush(metal);
        m_p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
        m_p.setPen(QPen(kHot, 2));
        QPainterPath coil(QPointF(r.left() + 14, r.center().y()));
        const double w = (r.width() - 28) / 6;
        for (int i = 0; i < 6; ++i) {
            coil.lineTo(r.left() + 14 + w * (i + 0.5), r.top() + ((i % 2) ? r.height() - 6 : 6));
        }
        coil.lineTo(r.right() - 14, r.center().y());
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(coil);
    }

    void flames(const QPointF &base, int count, double spacing = 14)
    {
        for (int i = 0; i < count; ++i) {
            const QPointF c = base + QPointF(i * spacing, 0);
            QPainterPath flame;
            flame.moveTo(c + QPointF(-5, 0));
            flame.cubicTo(c + QPointF(-7, -9), c + QPointF(0, -12), c + QPointF(0, -18));
            flame.cubicTo(c + QPointF(3, -11), c + QPointF(7, -8), c + QPointF(5, 0));
            flame.closeSubpath();
            QRadialGradient g(c + QPointF(0, -4), 14);
            g.setColorAt(0, QColor(0xff, 0xe0, 0x6a));
            g.setColorAt(1, kHot);
            m_p.setPen(Qt::NoPen);
            m_p.setBrush(g);
            m_p.drawPath(flame);
        }
    }

    void furnace(const QRectF &r)
    {
        m_p.setPen(QPen(kInk, 1.6));
        QLinearGradient brick(r.topLeft(), r.bottomLeft());
        brick.setColorAt(0, QColor(0xf1, 0xe3, 0xd8));
        brick.setColorAt(1, QColor(0xd9, 0xbd, 0xa9));
        m_p.setBrush(brick);
        m_p.drawRect(r);
        // The stack.
        m_p.drawRect(QRectF(r.center().x() - 7, r.top() - 26, 14, 26));
        flames(QPointF(r.left() + 14, r.bottom() - 4), int((r.width() - 20) / 14) + 1);
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

    void block(const QPointF &c, const QString &text, double w = 24)
    {
        m_p.setPen(QPen(kInk, 1.3));
        m_p.setBrush(QColor(0xff, 0xf6, 0xdc));
        const QRectF r(c.x() - w / 2, c.y() - 10, w, 20);
        m_p.drawRect(r);
        m_p.setPen(kInk);
        m_p.setFont(font(6.5, true));
        m_p.drawText(r, Qt::AlignCenter, text);
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

    // A small chart: each curve maps 0..1 to 0..1.
    void chart(const QRectF &r,
               const std::vector<std::pair<QColor, std::function<double(double)>>> &curves)
    {
        m_p.setPen(QPen(QColor(0x9f, 0xb1, 0xc3), 1));
        m_p.setBrush(QColor(0x1c, 0x2b, 0x3a));
        m_p.drawRoundedRect(r, 3, 3);
        const QRectF plot = r.adjusted(5, 5, -5, -5);
        m_p.setPen(QPen(QColor(0x33, 0x4a, 0x61), 1));
        for (int i = 1; i < 4; ++i) {
            const double y = plot.top() + plot.height() * i / 4;
            m_p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            const double x = plot.left() + plot.width() * i / 4;
            m_p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        }
        for (const auto &[colour, f] : curves) {
            QPainterPath path;
            for (int i = 0; i <= 120; ++i) {
                const double t = i / 120.0;
                const QPointF point(plot.left() + t * plot.width(),
                                    plot.bottom() - qBound(0.0, f(t), 1.0) * plot.height());
                if (i == 0)
                    path.moveTo(point);
                else
                    path.lineTo(point);
            }
            m_p.setBrush(Qt::NoBrush);
            m_p.setPen(QPen(colour.lighter(140), 1.6));
            m_p.drawPath(path);
        }
    }

    void text(const QPointF &at, const QString &s, double size = 6.5, const QColor &c = kInk)
    {
        m_p.setPen(c);
        m_p.setFont(font(size, true));
        m_p.drawText(at, s);
    }

    void frame(const QRectF &r)
    {
        m_p.setPen(QPen(QColor(0xb7, 0xc6, 0xd4), 1));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    }

private:
    QPainter &m_p;
};

// Typical responses for the little charts.
double stepAt(double t, double at, double low, double high)
{
    return t < at ? low : high;
}

double firstOrder(double t, double at, double low, double high, double tau)
{
    return t < at ? low : high + (low - high) * qExp(-(t - at) / tau);
}

double underdamped(double t, double at, double low, double high, double tau)
{
    if (t < at)
        return low;
    const double s = (t - at) / tau;
    return high + (low - high) * qExp(-0.6 * s) * qCos(2.2 * s);
}

using Drawing = std::function<void(Sketch &)>;

struct Picture
{
    const char *name;
    Drawing draw;
};

std::vector<Picture> galleryPictures()
{
    std::vector<Picture> pictures;

    pictures.push_back({"sim18", [](Sketch &s) {
                            s.pipe({{10, 120}, {300, 120}}, kWater);
                            s.bubble({70, 96}, QStringLiteral("FT"));
                            s.valve({190, 120});
                            s.bubble({130, 50}, QStringLiteral("FIC"));
                            s.signal({{70, 83}, {70, 50}, {117, 50}});
                            s.signal({{143, 50}, {190, 50}, {190, 102}});
                            s.chart({200, 140, 110, 45},
                                    {{kTrendSp,
                                      [](double t) {
                                          return stepAt(t, 0.25, 0.35, 0.7);
                                      }},
                                     {kTrendPv, [](double t) {
                                          return underdamped(t, 0.25, 0.35, 0.7, 0.12);
                                      }}});
                        }});

    pictures.push_back({"sim17", [](Sketch &s) {
                            s.pipe({{10, 110}, {300, 110}}, kWater);
                            s.pipe({{60, 110}, {60, 160}, {240, 160}, {240, 113}}, kWater, 3);
                            s.valve({150, 110});
                            s.valve({150, 160}, false, QColor(0xff, 0xf0, 0xc8));
                            s.bubble({270, 80}, QStringLiteral("FT"));
                            s.bubble({150, 38}, QStringLiteral("FIC"));
                            s.signal({{270, 67}, {270, 38}, {163, 38}});
                            s.signal({{137, 38}, {110, 38}, {110, 92}, {150, 92}});
                            s.signal({{110, 92}, {110, 140}, {150, 140}});
                        }});

    pictures.push_back({"sim8", [](Sketch &s) {
                            s.pipe({{10, 60}, {300, 60}}, kGas);
                            s.valve({50, 60});
                            for (int i = 0; i < 3; ++i) {
                                const double x = 130 + i * 70;
                                s.pipe({{x, 60}, {x, 175}}, kGas, 4);
                                s.valve({x, 130}, true);
                                s.bubble({x + 28, 110}, QStringLiteral("FIC"));
                                s.signal({{x + 15, 110}, {x + 8, 122}});
                            }
                            s.bubble({95, 28}, QStringLiteral("PIC"));
                            s.signal({{82, 28}, {50, 28}, {50, 43}});
                            s.signal({{108, 28}, {130, 28}, {130, 56}});
                        }});

    pictures.push_back({"sim9", [](Sketch &s) {
                            s.pipe({{10, 130}, {48, 130}}, kWater);
                            s.pump({60, 130});
                            s.motor({60, 108});
                            s.pipe({{71, 130}, {300, 130}}, kWater);
                            s.valve({140, 130});
                            s.bubble({200, 100}, QStringLiteral("FT"));
                            s.chart({210, 14, 100, 70},
                                    {{kTrendPv,
                                      [](double t) {
                                          return t * t * 0.9 + 0.05;
                                      }},
                                     {kTrendSp, [](double t) {
                                          return qFloor(t * 8) / 8.0 * 0.9 + 0.05;
                                      }}});
                        }});

    pictures.push_back({"sim5", [](Sketch &s) {
                            s.pipe({{10, 40}, {120, 40}, {120, 58}}, kWater);
                            s.tank({90, 55, 110, 110}, 0.55);
                            s.pipe({{145, 165}, {145, 176}, {205, 176}}, kWater);
                            s.pump({218, 176});
                            s.motor({218, 154});
                            s.pipe({{229, 176}, {305, 176}}, kWater);
                            s.bubble({235, 90}, QStringLiteral("LT"));
                            s.bubble({280, 60}, QStringLiteral("LIC"));
                            s.signal({{222, 90}, {200, 90}});
                            s.signal({{248, 90}, {280, 90}, {280, 73}});
                            s.signal({{280, 47}, {300, 47}, {300, 150}, {218, 150}, {218, 146}});
                        }});

    pictures.push_back({"sim6", [](Sketch &s) {
                            s.pipe({{10, 40}, {110, 40}, {110, 58}}, kWater);
                            s.tank({80, 55, 130, 110}, 0.5);
                            s.pipe({{145, 165}, {145, 176}, {305, 176}}, kWater);
                            s.valve({230, 176});
                            s.bubble({245, 100}, QStringLiteral("LIC"));
                            s.signal({{232, 100}, {210, 100}});
                            s.signal({{245, 113}, {245, 160}, {230, 160}});
                            s.chart({224, 12, 88, 60},
                                    {{kTrendPv,
                                      [](double t) {
                                          return 0.5 + 0.25 * qSin(t * 9);
                                      }},
                                     {kTrendCo, [](double t) {
                                          return 0.5 + 0.08 * qSin(t * 9 - 1.0);
                                      }}});
                        }});

    pictures.push_back({"sim11", [](Sketch &s) {
                            s.exchanger({90, 95, 130, 40});
                            s.pipe({{10, 115}, {90, 115}}, kCold);
                            s.pipe({{220, 115}, {305, 115}}, kHot);
                            s.pipe({{150, 20}, {150, 95}}, kHot, 4);
                            s.valve({150, 48}, true);
                            s.bubble({40, 80}, QStringLiteral("TT"));
                            s.bubble({265, 80}, QStringLiteral("TIC"));
                            s.block({210, 48}, QStringLiteral("Σ"));
                            s.signal({{265, 67}, {265, 48}, {222, 48}});
                            s.signal({{40, 67}, {40, 20}, {210, 20}, {210, 38}});
                            s.signal({{198, 48}, {160, 48}});
                            s.chart({20, 140, 110, 45},
                                    {{kTrendSp,
                                      [](double) {
                                          return 0.55;
                                      }},
                                     {kTrendPv, [](double t) {
                                          return 0.55 + 0.08 * qExp(-t * 4) * qSin(t * 25);
                                      }}});
                        }});

    pictures.push_back(
        {"sim14", [](Sketch &s) {
             s.tank({110, 40, 90, 120}, 0.6, QColor(0x6d, 0xa8, 0xd6));
             s.pipe({{40, 70}, {110, 70}}, kHot, 4);
             s.pipe({{40, 130}, {110, 130}}, kCold, 4);
             s.valve({70, 70}, false, QColor(0xfa, 0xd9, 0xc8));
             s.valve({70, 130}, false, QColor(0xcd, 0xe8, 0xf5));
             s.bubble({250, 60}, QStringLiteral("TIC"));
             s.signal({{237, 60}, {200, 60}});
             s.signal({{250, 73}, {250, 180}, {20, 180}, {20, 50}, {70, 50}, {70, 52}});
             s.signal({{20, 112}, {70, 112}});
             s.chart({225, 95, 88, 60},
                     {{kHot,
                       [](double t) {
                           return t < 0.5 ? 0 : (t - 0.5) * 2;
                       }},
                      {kCold, [](double t) {
                           return t > 0.5 ? 0 : 1 - t * 2;
                       }}});
         }});

    pictures.push_back(
        {"sim12", [](Sketch &s) {
             s.furnace({100, 70, 110, 100});
             s.pipe({{10, 95}, {120, 95}, {120, 140}, {190, 140}, {190, 100}, {305, 100}}, kHot, 4);
             s.pipe({{10, 180}, {150, 180}, {150, 172}}, kGas, 4);
             s.valve({60, 180});
             s.bubble({260, 70}, QStringLiteral("TIC"));
             s.signal({{260, 83}, {260, 100}});
             s.signal({{247, 70}, {230, 70}, {230, 160}, {60, 160}, {60, 162}});
             s.chart({230, 130, 82, 52},
                     {{kTrendSp,
                       [](double t) {
                           return stepAt(t, 0.3, 0.4, 0.65);
                       }},
                      {kTrendPv, [](double t) {
                           return firstOrder(t, 0.34, 0.4, 0.65, 0.15) + 0.02 * qSin(t * 90);
                       }}});
         }});

    pictures.push_back(
        {"sim13", [](Sketch &s) {
             s.furnace({100, 70, 110, 100});
             s.pipe({{10, 95}, {120, 95}, {120, 140}, {190, 140}, {190, 100}, {305, 100}}, kHot, 4);
             s.pipe({{10, 180}, {150, 180}, {150, 172}}, kGas, 4);
             s.valve({80, 180});
             s.bubble({35, 150}, QStringLiteral("FIC"));
             s.bubble({260, 70}, QStringLiteral("TIC"));
             s.signal({{260, 83}, {260, 100}});
             s.signal({{247, 70}, {35, 70}, {35, 137}});
             s.signal({{48, 150}, {80, 150}, {80, 162}});
             s.chart({230, 130, 82, 52},
                     {{kTrendSp,
                       [](double t) {
                           return stepAt(t, 0.3, 0.4, 0.65);
                       }},
                      {kTrendPv, [](double t) {
                           return firstOrder(t, 0.32, 0.4, 0.65, 0.08);
                       }}});
         }});

    pictures.push_back({"sim10", [](Sketch &s) {
                            s.tank({110, 40, 100, 125}, 0.55, QColor(0x72, 0xa7, 0xcf));
                            s.pipe({{160, 20}, {160, 104}}, kInk, 2);
                            s.pipe({{10, 50}, {110, 50}}, kWater, 4);
                            s.valve({60, 50});
                            s.pipe({{160, 165}, {160, 180}, {305, 180}}, kWater, 4);
                            s.valve({250, 180});
                            s.bubble({60, 110}, QStringLiteral("FIC"));
                            s.bubble({255, 60}, QStringLiteral("TIC"));
                            s.bubble({255, 125}, QStringLiteral("LIC"));
                            s.signal({{60, 97}, {60, 62}});
                            s.signal({{242, 60}, {210, 60}});
                            s.signal({{242, 125}, {210, 125}});
                            s.signal({{255, 138}, {255, 165}, {250, 165}});
                            s.signal({{255, 47}, {255, 25}, {95, 25}, {95, 110}, {73, 110}});
                        }});

    pictures.push_back({"sim15", [](Sketch &s) {
                            s.exchanger({30, 40, 110, 36});
                            s.pipe({{10, 58}, {30, 58}}, kGas, 4);
                            s.pipe({{140, 58}, {190, 58}, {190, 70}}, kGas, 4);
                            s.tank({165, 70, 60, 95}, 0.35, kWater);
                            s.pipe({{225, 90}, {305, 90}}, kGas, 4);
                            s.valve({265, 90});
                            s.pipe({{195, 165}, {195, 180}, {305, 180}}, kWater, 4);
                            s.valve({255, 180});
                            s.bubble({265, 55}, QStringLiteral("PIC"));
                            s.bubble({130, 140}, QStringLiteral("LIC"));
                            s.bubble({85, 100}, QStringLiteral("TIC"));
                            s.signal({{265, 68}, {265, 72}});
                            s.signal({{143, 140}, {165, 140}});
                            s.signal({{130, 153}, {130, 168}, {255, 168}, {255, 170}});
                            s.signal({{85, 87}, {85, 76}});
                        }});

    pictures.push_back({"sim16", [](Sketch &s) {
                            s.column({200, 14, 40, 168}, 7);
                            s.tank({40, 70, 100, 60}, 0.45, QColor(0x9d, 0xc3, 0x7a));
                            s.pipe({{10, 90}, {40, 90}}, kGas, 4);
                            s.pipe({{140, 100}, {200, 100}}, kGas, 4);
                            s.valve({170, 100});
                            s.pipe({{240, 30}, {305, 30}}, kGas, 4);
                            s.valve({275, 30});
                            s.pipe({{220, 182}, {220, 188}, {305, 188}}, kHot, 3);
                            s.pipe({{90, 130}, {90, 178}, {150, 178}}, kWater, 4);
                            s.bubble({90, 40}, QStringLiteral("LIC"));
                            s.bubble({275, 70}, QStringLiteral("PIC"));
                            s.bubble({275, 140}, QStringLiteral("TIC"));
                            s.signal({{90, 53}, {90, 70}});
                            s.signal({{103, 40}, {170, 40}, {170, 82}});
                            s.signal({{275, 57}, {275, 48}});
                            s.signal({{262, 140}, {240, 140}});
                        }});

    pictures.push_back({"sim1", [](Sketch &s) {
                            s.tank({90, 18, 130, 44}, 0.5);
                            s.furnace({95, 95, 120, 85});
                            s.pipe({{120, 62}, {120, 110}}, kWater, 3);
                            s.pipe({{190, 62}, {190, 110}}, kWater, 3);
                            s.pipe({{220, 30}, {305, 30}}, QColor(0xd8, 0xdf, 0xe6), 4);
                            s.pipe({{10, 40}, {90, 40}}, kWater, 4);
                            s.valve({45, 40});
                            s.pipe({{10, 170}, {95, 170}}, kGas, 3);
                            s.pipe({{10, 150}, {95, 150}}, kAir, 3);
                            s.bubble({45, 90}, QStringLiteral("LIC"));
                            s.bubble({265, 65}, QStringLiteral("PIC"));
                            s.signal({{45, 77}, {45, 58}});
                            s.signal({{58, 90}, {90, 50}});
                            s.signal({{265, 52}, {265, 30}});
                            s.signal({{252, 65}, {240, 65}, {240, 120}, {215, 120}});
                        }});

    const auto ratio = [](Sketch &s) {
        s.pipe({{10, 60}, {230, 60}, {230, 90}}, kAir, 5);
        s.pipe({{10, 150}, {230, 150}, {230, 122}}, kGas, 5);
        s.furnace({205, 90, 90, 32});
        s.valve({150, 60});
        s.valve({150, 150});
        s.bubble({150, 22}, QStringLiteral("FIC"));
        s.bubble({150, 112}, QStringLiteral("FIC"));
        s.text({18, 52}, QStringLiteral("Ar"));
        s.text({18, 142}, QStringLiteral("Gás"));
        s.signal({{163, 22}, {180, 22}, {180, 42}, {150, 42}});
        s.signal({{163, 112}, {180, 112}, {180, 132}, {150, 132}});
    };

    pictures.push_back({"sim3a", [ratio](Sketch &s) {
                            ratio(s);
                            s.block({70, 100}, QStringLiteral("×K"));
                            s.signal({{70, 90}, {70, 22}, {137, 22}});
                            s.signal({{70, 110}, {70, 112}, {137, 112}});
                        }});

    pictures.push_back({"sim3b", [ratio](Sketch &s) {
                            ratio(s);
                            s.block({55, 100}, QStringLiteral(">"));
                            s.block({95, 100}, QStringLiteral("<"));
                            s.signal({{55, 90}, {55, 22}, {137, 22}});
                            s.signal({{95, 110}, {95, 112}, {137, 112}});
                            s.signal({{67, 100}, {83, 100}});
                        }});

    pictures.push_back({"sim3c", [ratio](Sketch &s) {
                            ratio(s);
                            s.block({40, 90}, QStringLiteral(">"), 20);
                            s.block({40, 118}, QStringLiteral("<"), 20);
                            s.block({100, 90}, QStringLiteral("<"), 20);
                            s.block({100, 118}, QStringLiteral(">"), 20);
                            s.signal({{40, 80}, {40, 22}, {137, 22}});
                            s.signal({{100, 128}, {100, 132}, {120, 132}, {120, 112}, {137, 112}});
                            s.signal({{50, 90}, {90, 118}});
                            s.signal({{50, 118}, {90, 90}});
                        }});

    pictures.push_back(
        {"sim3d", [](Sketch &s) {
             s.pipe({{10, 40}, {230, 40}, {230, 90}}, kAir, 5);
             s.pipe({{10, 120}, {215, 120}, {215, 122}}, kGas, 4);
             s.pipe({{10, 170}, {250, 170}, {250, 122}}, QColor(0xb0, 0x8a, 0x4e), 4);
             s.furnace({200, 90, 90, 32});
             s.valve({140, 40});
             s.valve({140, 120});
             s.valve({140, 170});
             s.text({18, 32}, QStringLiteral("Ar"));
             s.text({18, 112}, QStringLiteral("Gás"));
             s.text({18, 162}, QStringLiteral("Óleo"));
             s.block({80, 80}, QStringLiteral("Σ"));
             s.signal({{92, 80}, {120, 80}, {120, 28}, {140, 28}});
             s.signal({{80, 90}, {80, 104}, {140, 104}, {140, 108}});
             s.signal({{68, 80}, {50, 80}, {50, 150}, {140, 150}, {140, 158}});
         }});

    pictures.push_back({"sim4", [](Sketch &s) {
                            s.tank({110, 50, 100, 110}, 0.6, QColor(0x8f, 0xc9, 0xb9));
                            s.pipe({{160, 25}, {160, 110}}, kInk, 2);
                            s.pipe({{10, 70}, {110, 70}}, kWater, 4);
                            s.valve({60, 70});
                            s.pipe({{160, 160}, {160, 178}, {305, 178}}, kWater, 4);
                            s.bubble({250, 120}, QStringLiteral("AIC"));
                            s.block({250, 80}, QStringLiteral("f(x)"), 30);
                            s.signal({{237, 120}, {210, 120}});
                            s.signal({{250, 107}, {250, 90}});
                            s.signal({{250, 70}, {250, 40}, {60, 40}, {60, 52}});
                            s.chart({20, 110, 80, 60},
                                    {{kTrendPv, [](double t) {
                                          return 0.5 + 0.45 * std::tanh((t - 0.5) * 12);
                                      }}});
                        }});

    pictures.push_back({"sim7", [](Sketch &s) {
                            s.pipe({{10, 60}, {305, 60}}, kWater, 5);
                            s.valve({40, 60});
                            for (int i = 0; i < 8; ++i)
                                s.text({80.0 + i * 26, 52}, QStringLiteral("›"), 9, kInk);
                            s.bubble({280, 95}, QStringLiteral("AT"));
                            s.bubble({160, 150}, QStringLiteral("AIC"));
                            s.block({80, 118}, QStringLiteral("e⁻ᶿˢ"), 34);
                            s.block({80, 158}, QStringLiteral("G(s)"), 34);
                            s.signal({{280, 108}, {280, 150}, {173, 150}});
                            s.signal({{147, 150}, {120, 150}, {120, 158}, {97, 158}});
                            s.signal({{80, 148}, {80, 128}});
                            s.signal({{63, 158}, {40, 158}, {40, 78}});
                            s.chart({210, 130, 100, 52},
                                    {{kTrendSp,
                                      [](double t) {
                                          return stepAt(t, 0.15, 0.3, 0.7);
                                      }},
                                     {kTrendPv, [](double t) {
                                          return firstOrder(t, 0.5, 0.3, 0.7, 0.08);
                                      }}});
                        }});

    pictures.push_back(
        {"sim2", [](Sketch &s) {
             const QRectF cells[4]
                 = {{12, 12, 143, 80}, {166, 12, 143, 80}, {12, 101, 143, 80}, {166, 101, 143, 80}};
             s.chart(cells[0],
                     {{kTrendSp,
                       [](double t) {
                           return stepAt(t, 0.2, 0.2, 0.75);
                       }},
                      {kTrendPv, [](double t) {
                           return firstOrder(t, 0.2, 0.2, 0.75, 0.15);
                       }}});
             s.chart(cells[1],
                     {{kTrendSp,
                       [](double t) {
                           return stepAt(t, 0.2, 0.2, 0.7);
                       }},
                      {kTrendPv, [](double t) {
                           return underdamped(t, 0.2, 0.2, 0.7, 0.06);
                       }}});
             s.chart(cells[2],
                     {{kTrendSp,
                       [](double t) {
                           return stepAt(t, 0.2, 0.2, 0.75);
                       }},
                      {kTrendPv, [](double t) {
                           if (t < 0.2)
                               return 0.2;
                           const double x = (t - 0.2) / 0.12;
                           return 0.2 + 0.55 * (1 - qExp(-x) * (1 + x + x * x / 2 + x * x * x / 6));
                       }}});
             s.chart(cells[3],
                     {{kTrendSp,
                       [](double t) {
                           return stepAt(t, 0.2, 0.2, 0.35);
                       }},
                      {kTrendPv, [](double t) {
                           return t < 0.2 ? 0.2 : 0.2 + (t - 0.2) * 0.95;
                       }}});
         }});

    pictures.push_back({"sim19", [](Sketch &s) {
                            s.pipe({{10, 40}, {305, 40}}, kWater);
                            s.bubble({70, 70}, QStringLiteral("FT"));
                            s.valve({200, 40});
                            s.bubble({140, 90}, QStringLiteral("FIC"));
                            s.signal({{70, 57}, {70, 90}, {127, 90}});
                            s.signal({{153, 90}, {200, 90}, {200, 58}});
                            s.block({140, 130}, QStringLiteral("∿"));
                            s.signal({{140, 120}, {140, 103}});
                            s.chart({200, 105, 110, 78},
                                    {{kTrendSp,
                                      [](double t) {
                                          return 0.5 + 0.3 * qSin(t * 18);
                                      }},
                                     {kTrendPv, [](double t) {
                                          return 0.5 + 0.22 * qSin(t * 18 - 0.9);
                                      }}});
                        }});

    return pictures;
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

    for (const Picture &picture : galleryPictures()) {
        QImage image = canvas(321, 193);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        Sketch s(p);
        s.background(QRectF(0, 0, 321, 193));
        picture.draw(s);
        s.frame(QRectF(0, 0, 321, 193));
        p.end();
        ok &= save(image,
                   out + QStringLiteral("/gallery/") + QString::fromLatin1(picture.name)
                       + QStringLiteral(".png"));
    }

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
