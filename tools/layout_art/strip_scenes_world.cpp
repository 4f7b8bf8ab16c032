// Panoramas of the sections about people, places and times.
#include "strip_scenes.h"
#include "theme.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <functional>

namespace ovta::art::scenes {

namespace {

// Periodic curves make every horizon wrap: each term completes whole cycles
// over the panorama's width.
qreal wave(qreal x, std::initializer_list<std::pair<int, qreal>> terms, qreal phase = 0)
{
    qreal y = 0;
    for (auto [cycles, amplitude] : terms)
        y += amplitude * std::sin(2 * M_PI * cycles * x / kWidth + phase * cycles);
    return y;
}

// The region below (or above) a periodic curve, over exactly one panorama
// width: the copies laid side by side by the wrap then meet without overlap.
QPainterPath groundPath(const std::function<qreal(qreal)>& height, qreal bottom)
{
    QPainterPath path;
    path.moveTo(0, bottom);
    for (int x = 0; x <= kWidth; ++x)
        path.lineTo(x, height(x));
    path.lineTo(kWidth, bottom);
    path.closeSubpath();
    return path;
}

QPainterPath crestPath(const std::function<qreal(qreal)>& height)
{
    QPainterPath path;
    path.moveTo(0, height(0));
    for (int x = 1; x <= kWidth; ++x)
        path.lineTo(x, height(x));
    return path;
}

// A full-width layer of land: filled without an outline, so no side edge is
// ever drawn, and rimmed along its crest only.
void paintLayer(QPainter& p, const std::function<qreal(qreal)>& height, qreal bottom,
                const QBrush& fill, const QPen& rim)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(groundPath(height, bottom));
    if (rim.style() != Qt::NoPen) {
        QPen pen = rim;
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(crestPath(height));
    }
}

const QColor kSilhouette{6, 13, 34};

void paintSilhouette(QPainter& p, const QPainterPath& shape)
{
    p.setPen(QPen(shade(palette::gold, 0.85), 1.0));
    p.setBrush(kSilhouette);
    p.drawPath(shape);
}

// A lit window: a small pointed arch of warm light.
void paintWindow(QPainter& p, QPointF foot, qreal w, qreal h)
{
    QPainterPath win;
    win.moveTo(foot.x() - w / 2, foot.y());
    win.lineTo(foot.x() - w / 2, foot.y() - h + w / 2);
    win.quadTo(foot.x() - w / 2, foot.y() - h, foot.x(), foot.y() - h - w * 0.3);
    win.quadTo(foot.x() + w / 2, foot.y() - h, foot.x() + w / 2, foot.y() - h + w / 2);
    win.lineTo(foot.x() + w / 2, foot.y());
    win.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 205, 110, 220));
    p.drawPath(win);
}

QPainterPath dome(QPointF foot, qreal halfWidth, qreal height)
{
    QPainterPath d;
    d.moveTo(foot.x() - halfWidth, foot.y());
    d.cubicTo(foot.x() - halfWidth * 1.1, foot.y() - height * 0.75, foot.x() - halfWidth * 0.2,
              foot.y() - height * 0.8, foot.x(), foot.y() - height);
    d.cubicTo(foot.x() + halfWidth * 0.2, foot.y() - height * 0.8, foot.x() + halfWidth * 1.1,
              foot.y() - height * 0.75, foot.x() + halfWidth, foot.y());
    d.closeSubpath();
    return d;
}

QPainterPath minaret(qreal x, qreal ground, qreal height, qreal width)
{
    QPainterPath m;
    m.addRect(QRectF(x - width / 2, ground - height, width, height));
    m.addRect(QRectF(x - width / 2 - 1.5, ground - height * 0.72, width + 3, 2.5));
    m.addRect(QRectF(x - width / 2 - 1.5, ground - height * 0.97, width + 3, 2.5));
    QPainterPath cap;
    cap.moveTo(x - width / 2, ground - height);
    cap.lineTo(x, ground - height - width * 2.4);
    cap.lineTo(x + width / 2, ground - height);
    cap.closeSubpath();
    m.addPath(cap);
    return m.simplified();
}

QPainterPath camel(QPointF foot, qreal s)
{
    // Built from simple parts; the union becomes one silhouette.
    QPainterPath c;
    const qreal x = foot.x(), y = foot.y();
    c.addEllipse(QRectF(x - 9 * s, y - 17 * s, 17 * s, 8 * s)); // body
    c.addEllipse(QRectF(x - 5 * s, y - 21 * s, 9 * s, 8 * s));  // hump
    for (qreal lx : {-7.5, -4.5, 3.0, 6.0})
        c.addRect(QRectF(x + lx * s, y - 11 * s, 1.5 * s, 11 * s)); // legs
    QPainterPath neck;
    neck.moveTo(x + 6 * s, y - 15 * s);
    neck.cubicTo(x + 10 * s, y - 14 * s, x + 10 * s, y - 22 * s, x + 12 * s, y - 23 * s);
    neck.lineTo(x + 15.5 * s, y - 22 * s);
    neck.lineTo(x + 15.5 * s, y - 20.5 * s);
    neck.lineTo(x + 12.5 * s, y - 20.5 * s);
    neck.cubicTo(x + 11 * s, y - 16 * s, x + 10 * s, y - 11 * s, x + 6 * s, y - 11 * s);
    neck.closeSubpath();
    c.addPath(neck);
    c.addRect(QRectF(x - 10 * s, y - 16 * s, 1.2 * s, 6 * s)); // tail
    return c.simplified();
}

QPainterPath palm(QPointF foot, qreal h)
{
    QPainterPath trunk;
    trunk.moveTo(foot + QPointF(-1.6, 0));
    trunk.quadTo(foot + QPointF(-1, -h * 0.6), foot + QPointF(3, -h));
    trunk.lineTo(foot + QPointF(4.4, -h + 0.6));
    trunk.quadTo(foot + QPointF(1, -h * 0.6), foot + QPointF(1.6, 0));
    trunk.closeSubpath();
    QPainterPath fronds;
    const QPointF crown = foot + QPointF(3.6, -h);
    for (int i = 0; i < 7; ++i) {
        const qreal a = qDegreesToRadians(-170.0 + i * 27.0);
        const QPointF tip = crown + QPointF(std::cos(a), std::sin(a) * 0.7 + 0.45) * h * 0.5;
        const QPointF normal = QPointF(-std::sin(a), std::cos(a)) * 2.2;
        QPainterPath leaf;
        leaf.moveTo(crown);
        leaf.quadTo((crown + tip) / 2 + QPointF(0, -h * 0.08) + normal, tip);
        leaf.quadTo((crown + tip) / 2 + QPointF(0, -h * 0.08) - normal, crown);
        fronds.addPath(leaf);
    }
    return trunk.united(fronds.simplified());
}

} // namespace

void history(QPainter& p)
{
    // An old sea chart: gold graticule over deep water, lands in a lighter blue.
    QLinearGradient sea(0, 0, 0, kHeight);
    sea.setColorAt(0, shade(palette::deepBlue, 0.8));
    sea.setColorAt(1, palette::deepBlue);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), sea);
    p.setPen(QPen(QColor(212, 170, 62, 40), 0.7));
    for (int x = 0; x < kWidth; x += 26)
        p.drawLine(QPointF(x, 0), QPointF(x, kHeight));
    for (int y = 10; y < kHeight; y += 20)
        p.drawLine(QPointF(0, y), QPointF(kWidth, y));

    auto coast = [](qreal x) { return 30 + wave(x, {{2, 9}, {5, 4}, {9, 2}}, 0.7); };
    QLinearGradient landFill(0, 0, 0, 45);
    landFill.setColorAt(0, shade(palette::lapis, 1.1));
    landFill.setColorAt(1, shade(palette::azure, 0.8));
    paintLayer(p, coast, 0, landFill, QPen(shade(palette::goldLight, 0.9), 1.0));

    // Ruins along the lower shore.
    auto shore = [](qreal x) { return 86 + wave(x, {{3, 3}, {7, 1.5}}); };
    QPainterPath ruins;
    for (qreal x : {20.0, 38.0, 180.0, 198.0, 216.0}) {
        QPainterPath arch;
        arch.addRect(QRectF(x - 8, 64, 16, 26));
        QPainterPath hole;
        hole.moveTo(x - 5, 92);
        hole.lineTo(x - 5, 74);
        hole.quadTo(x, 66, x + 5, 74);
        hole.lineTo(x + 5, 92);
        hole.closeSubpath();
        ruins = ruins.united(arch.subtracted(hole));
    }
    ruins.addRect(QRectF(268, 58, 5, 32));
    ruins.addRect(QRectF(279, 66, 5, 24));
    paintSilhouette(p, ruins.simplified());
    paintLayer(p, shore, kHeight, kSilhouette, QPen(shade(palette::gold, 0.85), 1.0));

    // The route winds over land and sea, with a stop every so often.
    auto route = [](qreal x) { return 58 + wave(x, {{2, 14}, {3, 6}}, 1.9); };
    QPainterPath path;
    path.moveTo(-2, route(-2));
    for (int x = -1; x <= kWidth + 2; ++x)
        path.lineTo(x, route(x));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::ink, 3.0));
    p.drawPath(path);
    QPen dash(palette::goldLight, 1.6, Qt::CustomDashLine, Qt::FlatCap);
    dash.setDashPattern({3, 2});
    p.setPen(dash);
    p.drawPath(path);
    for (qreal x : {26.0, 104.0, 182.0, 260.0}) {
        const QPointF c(x, route(x));
        p.setPen(QPen(palette::ink, 1.0));
        p.setBrush(goldGradient(c - QPointF(5, 5), c + QPointF(5, 5), 1.1));
        p.drawEllipse(c, 4.5, 4.5);
        p.setBrush(QColor(150, 30, 36));
        p.drawEllipse(c, 1.8, 1.8);
    }

    // A compass rose and an hourglass mark the chart.
    const QPointF rose(70, 24);
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(goldGradient(rose - QPointF(14, 14), rose + QPointF(14, 14), 1.1));
    p.drawPath(starPath(rose, 4, 16, 3.4, 45));
    p.drawPath(starPath(rose, 4, 18, 4, 0));
    p.setBrush(shade(palette::deepBlue, 1.2));
    p.drawEllipse(rose, 3, 3);
    const QPointF glass(236, 22);
    p.setBrush(goldGradient(glass - QPointF(8, 14), glass + QPointF(8, 14), 1.0));
    p.drawRect(QRectF(glass.x() - 8, glass.y() - 15, 16, 2.5));
    p.drawRect(QRectF(glass.x() - 8, glass.y() + 12.5, 16, 2.5));
    QPainterPath bulbs;
    bulbs.moveTo(glass + QPointF(-6, -12.5));
    bulbs.lineTo(glass + QPointF(6, -12.5));
    bulbs.cubicTo(glass + QPointF(6, -4), glass + QPointF(1, -2), glass + QPointF(1, 0));
    bulbs.cubicTo(glass + QPointF(1, 2), glass + QPointF(6, 4), glass + QPointF(6, 12.5));
    bulbs.lineTo(glass + QPointF(-6, 12.5));
    bulbs.cubicTo(glass + QPointF(-6, 4), glass + QPointF(-1, 2), glass + QPointF(-1, 0));
    bulbs.cubicTo(glass + QPointF(-1, -2), glass + QPointF(-6, -4), glass + QPointF(-6, -12.5));
    p.setBrush(QColor(200, 220, 255, 70));
    p.drawPath(bulbs);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(palette::goldLight));
    QPainterPath sand;
    sand.moveTo(glass + QPointF(-5.4, 12));
    sand.lineTo(glass + QPointF(5.4, 12));
    sand.quadTo(glass + QPointF(3, 6), glass + QPointF(0, 5));
    sand.quadTo(glass + QPointF(-3, 6), glass + QPointF(-5.4, 12));
    p.drawPath(sand);
    p.drawPath(starPath(glass + QPointF(0, -7), 3, 4, 2, 180));
}

void landmarks(QPainter& p)
{
    paintNightSky(p, 3, QColor(70, 64, 80));
    paintCrescent(p, QPointF(230, 20), 9);
    const qreal ground = 92;

    QPainterPath city;
    // A mosque with a great dome and two minarets.
    city.addRect(QRectF(22, 66, 44, ground - 66));
    city.addPath(dome(QPointF(44, 67), 17, 30));
    city.addRect(QRectF(43.3, 30, 1.4, 8));
    city.addPath(minaret(14, ground, 54, 5));
    city.addPath(minaret(74, ground, 54, 5));
    // A stepped tower narrowing towards the top.
    for (int i = 0; i < 5; ++i) {
        const qreal w = 22 - i * 4;
        city.addRect(QRectF(120 - w / 2, ground - 12 * (i + 1), w, 12.5));
    }
    // An arched gate between two slender towers.
    city.addRect(QRectF(248, 50, 36, ground - 50));
    city.addPath(minaret(244, ground, 60, 4));
    city.addPath(minaret(288, ground, 60, 4));
    city.addRect(QRectF(140, 80, 30, ground - 80));
    city.addRect(QRectF(226, 76, 22, ground - 76));
    paintSilhouette(p, city.simplified());
    paintLayer(
        p, [ground](qreal) { return ground; }, kHeight, kSilhouette,
        QPen(shade(palette::gold, 0.85), 1.0));

    // The golden dome shines over its octagonal drum.
    p.setPen(QPen(shade(palette::gold, 0.85), 1.0));
    p.setBrush(kSilhouette);
    p.drawRect(QRectF(172, 62, 50, ground - 62));
    p.drawRect(QRectF(182, 52, 30, 11));
    p.setPen(QPen(palette::ink, 0.8));
    p.setBrush(goldGradient(QPointF(180, 30), QPointF(214, 52), 1.2));
    p.drawPath(dome(QPointF(197, 53), 15, 24));
    p.drawRect(QRectF(196.4, 22, 1.2, 8));

    QPainterPath gate;
    gate.moveTo(256, ground);
    gate.lineTo(256, 66);
    gate.quadTo(256, 56, 266, 52);
    gate.quadTo(276, 56, 276, 66);
    gate.lineTo(276, ground);
    gate.closeSubpath();
    p.setPen(QPen(shade(palette::gold, 0.9), 1.0));
    QLinearGradient iwan(0, 52, 0, ground);
    iwan.setColorAt(0, QColor(255, 210, 120, 200));
    iwan.setColorAt(1, QColor(160, 100, 40, 200));
    p.setBrush(iwan);
    p.drawPath(gate);

    for (qreal x : {30.0, 38.0, 50.0, 58.0})
        paintWindow(p, QPointF(x, 86), 3.2, 8);
    for (qreal x : {186.0, 197.0, 208.0})
        paintWindow(p, QPointF(x, 84), 3.5, 10);
    for (int i = 0; i < 4; ++i)
        paintWindow(p, QPointF(120, ground - 12 * i - 3), 2.5, 4);
    for (qreal x : {148.0, 156.0, 164.0, 232.0, 240.0})
        paintWindow(p, QPointF(x, 89), 2.4, 4);
}

void biography(QPainter& p)
{
    paintNightSky(p, 11, QColor(86, 66, 60));
    paintCrescent(p, QPointF(262, 18), 8);

    auto far = [](qreal x) { return 66 + wave(x, {{2, 6}, {5, 3}}, 0.4); };
    auto mid = [](qreal x) { return 76 + wave(x, {{1, 5}, {3, 4}}, 2.2); };
    auto near = [](qreal x) { return 88 + wave(x, {{2, 3}, {4, 2}}, 1.1); };
    paintLayer(p, far, kHeight, QColor(40, 38, 66), Qt::NoPen);

    for (qreal x : {22.0, 34.0, 214.0}) {
        const qreal h = x == 34.0 ? 30 : 38;
        p.setPen(QPen(shade(palette::gold, 0.7), 0.8));
        p.setBrush(kSilhouette);
        p.drawPath(palm(QPointF(x, far(x) + 6), h));
    }

    QLinearGradient sand(0, 60, 0, kHeight);
    sand.setColorAt(0, QColor(150, 112, 58));
    sand.setColorAt(1, QColor(70, 48, 30));
    paintLayer(p, mid, kHeight, sand, QPen(shade(palette::goldLight, 0.9), 1.0));

    // The caravan walks along the crest of the middle dune.
    for (qreal x : {96.0, 124.0, 152.0}) {
        const qreal s = x == 152.0 ? 1.05 : 0.95;
        p.setPen(QPen(shade(palette::gold, 0.8), 0.8));
        p.setBrush(kSilhouette);
        p.drawPath(camel(QPointF(x, mid(x) + 1), s));
    }
    // The leader walks ahead on foot, holding the rope.
    const QPointF guide(172, mid(172) + 1);
    QPainterPath man;
    man.addEllipse(guide + QPointF(0, -17.5), 2.2, 2.4);
    QPainterPath robe;
    robe.moveTo(guide + QPointF(-2.4, -15));
    robe.lineTo(guide + QPointF(2.4, -15));
    robe.lineTo(guide + QPointF(4, 0));
    robe.lineTo(guide + QPointF(-4, 0));
    robe.closeSubpath();
    man.addPath(robe);
    p.drawPath(man.simplified());
    p.setPen(QPen(shade(palette::gold, 0.8), 0.6));
    p.drawLine(guide + QPointF(-2, -11), QPointF(152 + 15, mid(152) - 21));

    QLinearGradient nearSand(0, 80, 0, kHeight);
    nearSand.setColorAt(0, QColor(186, 140, 72));
    nearSand.setColorAt(1, QColor(96, 66, 36));
    paintLayer(p, near, kHeight, nearSand, QPen(palette::goldLight, 1.0));
}

void figures(QPainter& p)
{
    QLinearGradient drape(0, 0, 0, kHeight);
    drape.setColorAt(0, palette::night);
    drape.setColorAt(1, palette::deepBlue);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), drape);
    paintStarLattice(p, QRectF(0, 0, kWidth, kHeight), 26, QColor(212, 170, 62, 18));
    p.fillRect(QRectF(0, 3, kWidth, 2.5), goldGradient({0, 3}, {0, 5.5}));

    struct Medallion {
        qreal x, y, r;
        QString letter;
    };
    static const Medallion medallions[] = {
        {39, 52, 25, QStringLiteral("ع")},
        {117, 60, 21, QStringLiteral("ح")},
        {195, 50, 25, QStringLiteral("م")},
        {273, 60, 21, QStringLiteral("ش")},
    };
    for (const Medallion& m : medallions) {
        const QPointF c(m.x, m.y);
        // Chain of small links from the rail.
        p.setPen(QPen(palette::gold, 0.9));
        p.setBrush(Qt::NoBrush);
        for (qreal y = 6; y < m.y - m.r - 3; y += 4)
            p.drawEllipse(QPointF(m.x, y + 1.5), 1.0, 2.0);
        QPainterPath rim;
        rim.addEllipse(c, m.r, m.r);
        paintGlow(p, rim, QColor(255, 210, 120, 70), 4);
        p.setPen(QPen(palette::ink, 1.0));
        p.setBrush(goldGradient(c - QPointF(m.r, m.r), c + QPointF(m.r, m.r), 1.05));
        p.drawPath(starPath(c, 16, m.r + 3, m.r - 1));
        p.drawEllipse(c, m.r, m.r);
        QRadialGradient enamel(c - QPointF(m.r * 0.3, m.r * 0.35), m.r);
        enamel.setColorAt(0, palette::azure);
        enamel.setColorAt(0.5, palette::lapis);
        enamel.setColorAt(1, palette::night);
        p.setBrush(enamel);
        p.drawEllipse(c, m.r * 0.8, m.r * 0.8);
        p.setPen(QPen(shade(palette::goldLight, 0.9), 0.6, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, m.r * 0.7, m.r * 0.7);
        paintCaption(p, m.letter,
                     QRectF(c.x() - m.r * 0.6, c.y() - m.r * 0.6, m.r * 1.2, m.r * 1.2), m.r * 1.05,
                     1.15);
    }
    for (qreal x : {78.0, 156.0, 234.0, 312.0}) {
        p.setPen(QPen(palette::ink, 0.6));
        p.setBrush(goldGradient(QPointF(x - 4, 80), QPointF(x + 4, 88), 1.1));
        p.drawPath(khatamPath(QPointF(x, 86), 4.5));
    }
}

void sects(QPainter& p)
{
    QLinearGradient ground(0, 0, 0, kHeight);
    ground.setColorAt(0, palette::night);
    ground.setColorAt(1, shade(palette::deepBlue, 1.1));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), ground);
    paintStarLattice(p, QRectF(0, 0, kWidth, kHeight), 26, QColor(212, 170, 62, 16));

    // Three trees of paths: one root, parting again and again.
    const QColor tips[] = {palette::goldLight, QColor(120, 190, 240), QColor(236, 120, 96)};
    std::function<void(QPointF, qreal, qreal, int, int)> branch = [&](QPointF from, qreal angle,
                                                                      qreal length, int depth,
                                                                      int tree) {
        const QPointF to = from + QPointF(std::cos(angle), std::sin(angle)) * length;
        QPainterPath road;
        road.moveTo(from);
        road.quadTo(from + QPointF(std::cos(angle), std::sin(angle)) * length * 0.5 + QPointF(0, 2),
                    to);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette::ink, 1.2 + depth * 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(road);
        p.setPen(QPen(goldGradient(from, to, 1.0 + 0.05 * (4 - depth)), 0.4 + depth * 0.7,
                      Qt::SolidLine, Qt::RoundCap));
        p.drawPath(road);
        if (depth == 0) {
            p.setPen(QPen(palette::ink, 0.6));
            p.setBrush(tips[(tree + static_cast<int>(to.x())) % 3]);
            p.drawEllipse(to, 2.2, 2.2);
            return;
        }
        const qreal spread = 0.42 + 0.06 * ((tree + depth) % 2);
        branch(to, angle - spread, length * 0.72, depth - 1, tree);
        branch(to, angle + spread, length * 0.72, depth - 1, tree);
    };
    // One road runs along the bottom; each tree of paths springs from it.
    auto road = [](qreal x) { return 95 + wave(x, {{3, 1.5}}, 1.6); };
    paintLayer(p, road, kHeight, shade(palette::night, 0.9), QPen(palette::gold, 1.6));
    struct Tree {
        qreal x, tilt, length;
        int depth;
    };
    static const Tree trees[] = {{52, -0.10, 24, 4}, {156, 0.06, 19, 5}, {260, 0.12, 22, 4}};
    for (int i = 0; i < 3; ++i) {
        const Tree& t = trees[i];
        const QPointF root(t.x, road(t.x));
        branch(root, -M_PI / 2 + t.tilt, t.length, t.depth, i);
        p.setPen(QPen(palette::ink, 0.8));
        p.setBrush(goldGradient(root - QPointF(6, 6), root + QPointF(6, 6), 1.1));
        p.drawPath(khatamPath(root + QPointF(0, -1), 5));
    }
}

} // namespace ovta::art::scenes
