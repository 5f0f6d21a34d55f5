// The screenshot: a first-person view into a dim concrete room where a team's engineers have
// built their sentry guns and dispensers into and on top of one another.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "pictures.h"

namespace paint {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A pinhole camera one unit above the floor, looking along +z. One unit is a player's eye
// height; the room is 6 wide, 2.3 high and ends 6.5 ahead.
constexpr qreal kFocal = 330;
constexpr qreal kCentreX = 320;
constexpr qreal kHorizonY = 200;
constexpr qreal kEye = 1.0;
constexpr qreal kRoomHalfWidth = 3.0;
constexpr qreal kRoomHeight = 2.3;
constexpr qreal kBackWall = 6.5;
constexpr qreal kNear = 0.6;

struct Vec3 {
    qreal x, y, z;  // y up from the floor
};

QPointF project(const Vec3& v) {
    return {kCentreX + kFocal * v.x / v.z, kHorizonY - kFocal * (v.y - kEye) / v.z};
}

QPolygonF quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
    return QPolygonF{project(a), project(b), project(c), project(d)};
}

QColor shade(const QColor& base, qreal light) {
    return QColor::fromRgbF(std::clamp(base.redF() * light, 0.0, 1.0),
                            std::clamp(base.greenF() * light, 0.0, 1.0),
                            std::clamp(base.blueF() * light, 0.0, 1.0));
}

// ---- the room ------------------------------------------------------------------------------

// Rough poured concrete: speckles, faint blotches and the seams between the slabs.
void texture(QPainter& p, const QPolygonF& face, const QColor& base, quint32 seed, int speckles) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawPolygon(face);
    QPainterPath clip;
    clip.addPolygon(face);
    p.setClipPath(clip);
    QRandomGenerator random(seed);
    const QRectF box = face.boundingRect();
    for (int i = 0; i < speckles / 40; ++i) {
        const QPointF c(box.left() + random.bounded(box.width()),
                        box.top() + random.bounded(box.height()));
        const qreal r = 8 + random.bounded(30.0);
        QRadialGradient blotch(c, r);
        const bool dark = random.bounded(2) == 0;
        blotch.setColorAt(0, dark ? QColor(0, 0, 0, 30) : QColor(255, 255, 255, 16));
        blotch.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(blotch);
        p.drawEllipse(c, r, r * 0.7);
    }
    for (int i = 0; i < speckles; ++i) {
        const QPointF c(box.left() + random.bounded(box.width()),
                        box.top() + random.bounded(box.height()));
        const int v = random.bounded(2) ? 255 : 0;
        p.setBrush(QColor(v, v, v, 18 + random.bounded(30)));
        p.drawRect(QRectF(c, QSizeF(1, 1)));
    }
    p.restore();
}

void seam(QPainter& p, const Vec3& a, const Vec3& b) {
    p.setPen(QPen(QColor(20, 19, 17, 150), 1.2));
    p.drawLine(project(a), project(b));
}

void paintRoom(QPainter& p) {
    const qreal w = kRoomHalfWidth, h = kRoomHeight, z0 = kNear, z1 = kBackWall;
    const QColor concrete(118, 112, 100);

    texture(p, quad({-w, h, z0}, {w, h, z0}, {w, h, z1}, {-w, h, z1}), shade(concrete, 0.55),
            11, 2500);
    texture(p, quad({-w, 0, z0}, {-w, h, z0}, {-w, h, z1}, {-w, 0, z1}), shade(concrete, 0.72),
            12, 3500);
    texture(p, quad({w, 0, z0}, {w, h, z0}, {w, h, z1}, {w, 0, z1}), shade(concrete, 0.62),
            13, 3500);
    texture(p, quad({-w, 0, z1}, {w, 0, z1}, {w, h, z1}, {-w, h, z1}), shade(concrete, 0.80),
            14, 3000);
    texture(p, quad({-w, 0, z0}, {w, 0, z0}, {w, 0, z1}, {-w, 0, z1}),
            shade(QColor(104, 100, 92), 0.70), 15, 5000);

    // Slab seams on the floor and walls, and the ceiling beams.
    for (qreal z = 1.5; z < z1; z += 1.25) {
        seam(p, {-w, 0, z}, {w, 0, z});
        seam(p, {-w, 0, z}, {-w, h, z});
        seam(p, {w, 0, z}, {w, h, z});
    }
    for (qreal x = -w + 1.5; x < w; x += 1.5) seam(p, {x, 0, z0}, {x, 0, z1});
    for (qreal x = -w + 2; x < w; x += 2) seam(p, {x, 0, z1}, {x, h, z1});
    seam(p, {-w, 1.15, z1}, {w, 1.15, z1});
    // A dark skirting stripe where the walls meet the floor.
    p.setPen(QPen(QColor(35, 32, 28, 170), 3));
    p.drawLine(project({-w, 0.02, z0 + 0.4}), project({-w, 0.02, z1}));
    p.drawLine(project({w, 0.02, z0 + 0.4}), project({w, 0.02, z1}));
    p.drawLine(project({-w, 0.02, z1}), project({w, 0.02, z1}));

    // A caged lamp on the back wall throws a weak pool of light.
    const QPointF lamp = project({0.9, 1.95, z1});
    QRadialGradient pool(lamp, 170);
    pool.setColorAt(0, QColor(255, 230, 170, 70));
    pool.setColorAt(1, QColor(255, 230, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(pool);
    p.drawEllipse(lamp, 260, 170);
    p.setBrush(QColor(255, 240, 200));
    p.drawRoundedRect(QRectF(lamp - QPointF(9, 5), QSizeF(18, 10)), 3, 3);
    p.setPen(QPen(QColor(40, 38, 34), 1.5));
    for (int i = -2; i <= 2; ++i) p.drawLine(lamp + QPointF(i * 4, -6), lamp + QPointF(i * 4, 6));

    // A door frame on the left wall and a hazard stripe on the right wall.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 28, 26));
    p.drawPolygon(quad({-w, 0, 3.4}, {-w, 1.45, 3.4}, {-w, 1.45, 4.3}, {-w, 0, 4.3}));
    p.setBrush(QColor(12, 12, 12));
    p.drawPolygon(quad({-w, 0, 3.5}, {-w, 1.38, 3.5}, {-w, 1.38, 4.2}, {-w, 0, 4.2}));
    for (int i = 0; i < 9; ++i) {
        const qreal z = 2.0 + i * 0.22;
        p.setBrush(i % 2 ? QColor(150, 125, 30) : QColor(30, 28, 24));
        p.drawPolygon(quad({w, 0.35, z}, {w, 0.5, z}, {w, 0.5, z + 0.22}, {w, 0.35, z + 0.22}));
    }
}

// ---- buildings and players ------------------------------------------------------------------

// A box on the floor (or floating at `lift`), turned by `yaw` radians about its centre. Draws
// the faces the camera sees, lit from above and slightly from the left.
struct Box {
    Vec3 centre;  // centre of the bottom face
    qreal width, height, depth, yaw;
    QColor colour;
};

std::array<Vec3, 8> corners(const Box& b) {
    std::array<Vec3, 8> c{};
    const qreal cs = std::cos(b.yaw), sn = std::sin(b.yaw);
    int i = 0;
    for (int top = 0; top < 2; ++top)
        for (int sz : {-1, 1})
            for (int sx : {-1, 1}) {
                const qreal lx = sx * b.width / 2, lz = sz * b.depth / 2;
                c[size_t(i++)] = {b.centre.x + lx * cs - lz * sn, b.centre.y + top * b.height,
                                  b.centre.z + lx * sn + lz * cs};
            }
    return c;
}

// Faces as corner indices (bottom 0..3: -z-x, -z+x, +z-x, +z+x; top 4..7 likewise) with the
// light each gets.
struct Face {
    int a, b, c, d;
    qreal light;
};

QPolygonF facePolygon(const std::array<Vec3, 8>& c, const Face& f) {
    return quad(c[size_t(f.a)], c[size_t(f.b)], c[size_t(f.c)], c[size_t(f.d)]);
}

bool facesCamera(const std::array<Vec3, 8>& c, const Face& f) {
    // Screen-space winding: the faces below are listed counter-clockwise seen from outside.
    const QPolygonF poly = facePolygon(c, f);
    qreal area = 0;
    for (int i = 0; i < 4; ++i) {
        const QPointF& p0 = poly[i];
        const QPointF& p1 = poly[(i + 1) % 4];
        area += p0.x() * p1.y() - p1.x() * p0.y();
    }
    return area < 0;
}

void drawBox(QPainter& p, const Box& b, const std::function<void(QPainter&, const QPolygonF&, int)>& decorate = {}) {
    const auto c = corners(b);
    const Face faces[] = {
        {0, 1, 5, 4, 0.95},  // front (-z)
        {3, 2, 6, 7, 0.45},  // back (+z)
        {2, 0, 4, 6, 0.80},  // left (-x)
        {1, 3, 7, 5, 0.60},  // right (+x)
        {4, 5, 7, 6, 1.15},  // top
    };
    p.setPen(QPen(shade(b.colour, 0.25), 1));
    for (int i = 0; i < 5; ++i) {
        const Face& f = faces[i];
        if (!facesCamera(c, f)) continue;
        const QPolygonF poly = facePolygon(c, f);
        p.setBrush(shade(b.colour, f.light));
        p.drawPolygon(poly);
        if (decorate) decorate(p, poly, i);
    }
}

// Bilinear point on a face polygon (u across, v up from its first edge).
QPointF onFace(const QPolygonF& f, qreal u, qreal v) {
    const QPointF bottom = f[0] + (f[1] - f[0]) * u;
    const QPointF top = f[3] + (f[2] - f[3]) * u;
    return bottom + (top - bottom) * v;
}

QPolygonF subFace(const QPolygonF& f, qreal u0, qreal v0, qreal u1, qreal v1) {
    return {onFace(f, u0, v0), onFace(f, u1, v0), onFace(f, u1, v1), onFace(f, u0, v1)};
}

const QColor kTeamBlue(58, 88, 150);
const QColor kMetal(92, 94, 98);

// A supply dispenser: a squat team-coloured cabinet with a dark hatch, a vent and a lamp.
void drawDispenser(QPainter& p, Vec3 at, qreal yaw) {
    const Box body{at, 0.62, 0.78, 0.5, yaw, kTeamBlue};
    drawBox(p, body, [](QPainter& p, const QPolygonF& f, int face) {
        if (face != 0 && face != 2 && face != 3) return;
        p.setBrush(QColor(28, 30, 36));
        p.drawPolygon(subFace(f, 0.15, 0.18, 0.85, 0.62));
        p.setPen(QPen(QColor(80, 84, 90), 1));
        for (int i = 1; i < 5; ++i)
            p.drawLine(onFace(f, 0.2, 0.18 + i * 0.085), onFace(f, 0.8, 0.18 + i * 0.085));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(210, 210, 200));
        p.drawPolygon(subFace(f, 0.15, 0.72, 0.85, 0.86));
        p.setBrush(QColor(200, 40, 36));
        p.drawPolygon(subFace(f, 0.45, 0.74, 0.55, 0.84));
        p.drawPolygon(subFace(f, 0.40, 0.77, 0.60, 0.81));
        p.setPen(QPen(shade(kTeamBlue, 0.25), 1));
    });
    const QPointF lamp = project({at.x, at.y + 0.86, at.z});
    QRadialGradient glow(lamp, 10);
    glow.setColorAt(0, QColor(140, 255, 140, 230));
    glow.setColorAt(1, QColor(140, 255, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(lamp, 10, 10);
}

// A sentry gun on a tripod: a turret head with twin barrels and, at its top level, a rocket
// pod. `aim` turns the head about the vertical axis.
void drawSentry(QPainter& p, Vec3 at, qreal aim, qreal tilt = 0) {
    const qreal legLength = 0.42;
    const Vec3 hub{at.x, at.y + legLength, at.z};
    p.setPen(QPen(QColor(40, 42, 46), qMax(1.5, 18 / at.z)));
    for (int i = 0; i < 3; ++i) {
        const qreal a = aim + i * 2.094 + 0.5;
        p.drawLine(project(hub), project({at.x + 0.32 * std::cos(a), at.y, at.z + 0.32 * std::sin(a)}));
    }
    p.save();
    const QPointF pivot = project(hub);
    p.translate(pivot);
    p.rotate(tilt);
    p.translate(-pivot);
    const Box head{{hub.x, hub.y, hub.z}, 0.36, 0.26, 0.46, aim, kMetal};
    drawBox(p, head, [](QPainter& p, const QPolygonF& f, int face) {
        if (face > 3) return;
        p.setPen(Qt::NoPen);
        p.setBrush(kTeamBlue);
        p.drawPolygon(subFace(f, 0.0, 0.55, 1.0, 0.75));
        p.setPen(QPen(QColor(30, 30, 30), 1));
    });
    // Barrels point out of the head's front face, towards the camera side.
    const qreal cs = std::cos(aim), sn = std::sin(aim);
    for (int side : {-1, 1}) {
        const qreal ox = side * 0.08;
        const Vec3 from{hub.x + ox * cs + 0.23 * sn, hub.y + 0.12, hub.z + ox * sn - 0.23 * cs};
        const Vec3 to{from.x + 0.34 * sn, from.y, from.z - 0.34 * cs};
        p.setPen(QPen(QColor(22, 22, 24), qMax(2.0, 30 / at.z), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(project(from), project(to));
        p.setPen(QPen(QColor(120, 120, 126), qMax(0.8, 8 / at.z)));
        p.drawLine(project(from) + QPointF(0, -1), project(to) + QPointF(0, -1));
    }
    const Box pod{{hub.x - 0.05 * cs, hub.y + 0.26, hub.z - 0.05 * sn}, 0.3, 0.14, 0.22, aim,
                  QColor(70, 72, 60)};
    drawBox(p, pod, [](QPainter& p, const QPolygonF& f, int face) {
        if (face != 0) return;
        p.setBrush(QColor(15, 15, 15));
        for (int i = 0; i < 3; ++i) {
            const QPointF c = onFace(f, 0.2 + i * 0.3, 0.5);
            const qreal r = QLineF(f[0], f[1]).length() / 12;
            p.drawEllipse(c, r, r);
        }
    });
    p.restore();
}

// A player standing on the floor: helmet, shoulders, belt, boots, with a team colour.
void drawPlayer(QPainter& p, Vec3 at, const QColor& team, bool facingAway, qreal lean = 0) {
    const qreal s = kFocal / at.z;  // pixels per unit at this depth
    const QPointF feet = project(at);
    p.save();
    p.translate(feet);
    p.rotate(lean);
    p.scale(s / 100, s / 100);  // from here on 100 units = one eye height
    p.setPen(QPen(QColor(15, 15, 18), 2));

    const QColor overall = shade(team, 0.8);
    const QColor dark = shade(team, 0.5);
    // Legs and boots.
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(-19, -56, 16, 54), 5, 5);
    p.drawRoundedRect(QRectF(3, -56, 16, 54), 5, 5);
    p.setBrush(QColor(35, 30, 26));
    p.drawRoundedRect(QRectF(-21, -10, 20, 10), 3, 3);
    p.drawRoundedRect(QRectF(1, -10, 20, 10), 3, 3);
    // Torso, belt, arms.
    p.setBrush(overall);
    p.drawRoundedRect(QRectF(-24, -104, 48, 52), 10, 10);
    p.setBrush(QColor(60, 48, 34));
    p.drawRect(QRectF(-24, -60, 48, 7));
    p.setBrush(overall);
    p.drawRoundedRect(QRectF(-34, -100, 12, 44), 6, 6);
    p.drawRoundedRect(QRectF(22, -100, 12, 44), 6, 6);
    p.setBrush(QColor(180, 140, 110));
    p.drawEllipse(QRectF(-35, -60, 12, 10));
    p.drawEllipse(QRectF(23, -60, 12, 10));
    // Head: a hard hat and goggles, or the back of the hat.
    p.setBrush(QColor(170, 130, 100));
    p.drawEllipse(QRectF(-12, -126, 24, 26));
    p.setBrush(QColor(190, 160, 60));
    p.drawChord(QRectF(-15, -132, 30, 26), 0, 180 * 16);
    p.drawRect(QRectF(-18, -120, 36, 3));
    if (!facingAway) {
        p.setBrush(QColor(25, 25, 25));
        p.drawRoundedRect(QRectF(-11, -116, 22, 6), 2, 2);
        p.setBrush(QColor(120, 200, 210, 200));
        p.drawEllipse(QRectF(-9, -115, 7, 4));
        p.drawEllipse(QRectF(2, -115, 7, 4));
    } else {
        p.setBrush(shade(team, 0.6));
        p.drawRect(QRectF(-16, -90, 32, 22));  // pack on the back
    }
    p.restore();
}

void drawShadow(QPainter& p, Vec3 at, qreal radius) {
    const QPointF c = project(at);
    const qreal r = kFocal * radius / at.z;
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(0, 0, 0, 120));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r * 0.35);
}

// Two surfaces fighting for the same place: where they overlap, ragged bands of each show
// through the other.
void drawMergeTear(QPainter& p, const QRectF& area, quint32 seed) {
    QRandomGenerator random(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (qreal y = area.top(); y < area.bottom(); y += 2) {
        qreal x = area.left();
        while (x < area.right()) {
            const qreal run = 2 + random.bounded(9.0);
            const bool blue = random.bounded(3) != 0;
            p.setBrush(blue ? shade(kTeamBlue, 0.7 + random.bounded(0.4)) : shade(kMetal, 0.6));
            p.drawRect(QRectF(x, y, qMin(run, area.right() - x), 2));
            x += run;
        }
    }
    p.restore();
}

void paintBuildings(QPainter& p) {
    // Far to near, so that nearer things cover farther ones.
    drawShadow(p, {-0.4, 0, 4.3}, 1.3);
    drawShadow(p, {0.7, 0, 3.6}, 1.2);

    drawPlayer(p, {-2.1, 0, 5.4}, kTeamBlue, false);
    drawDispenser(p, {-0.9, 0, 4.6}, 0.25);
    drawSentry(p, {0.95, 0, 4.9}, 1.2);
    drawDispenser(p, {-0.5, 0, 4.3}, -0.15);
    drawDispenser(p, {-0.15, 0, 4.1}, 0.35);  // three cabinets in the space of one
    drawSentry(p, {-0.55, 0.78, 4.35}, -1.0, -8);   // a gun standing on the cabinets
    drawDispenser(p, {0.25, 0.62, 4.05}, 0.9);      // a cabinet half inside another
    drawMergeTear(p, QRectF(323, 201, 20, 26), 7);
    drawSentry(p, {0.7, 0, 3.6}, 1.1);
    drawDispenser(p, {0.95, 0.05, 3.45}, -0.5);      // swallowing the gun's legs
    drawSentry(p, {0.05, 1.35, 4.05}, 0.9, 12);     // and one more on top of it all
    drawPlayer(p, {1.85, 0, 3.3}, kTeamBlue, true, 2);
    drawPlayer(p, {-1.6, 0, 2.7}, kTeamBlue, false, -3);
    drawDispenser(p, {-0.65, 0, 2.55}, 0.6);
    drawSentry(p, {-0.25, 0, 2.35}, -1.15);
}

// ---- what the game draws over the view -----------------------------------------------------

const QColor kHud(255, 170, 40);

QFont hudFont(int pixels, bool bold = true) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QFont monoFont(int pixels) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixels);
    return font;
}

void text(QPainter& p, QPointF at, const QString& s, const QColor& colour, const QFont& font) {
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(at + QPointF(1, 1), s);
    p.setPen(colour);
    p.drawText(at, s);
}

// The wrench in the player's gloved hand at the lower right.
void paintViewWeapon(QPainter& p) {
    p.save();
    p.translate(606, 452);
    p.rotate(35);
    p.scale(0.8, 0.8);
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    QLinearGradient steel(0, -20, 0, 20);
    steel.setColorAt(0, QColor(170, 172, 176));
    steel.setColorAt(0.5, QColor(110, 112, 118));
    steel.setColorAt(1, QColor(60, 62, 66));
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(-30, -11, 150, 22), 6, 6);
    QPainterPath jaw;
    jaw.addEllipse(QPointF(-40, 0), 30, 30);
    QPainterPath mouth;
    mouth.addRect(QRectF(-78, -11, 40, 22));
    p.drawPath(jaw.subtracted(mouth));
    p.setBrush(QColor(70, 52, 30));
    p.drawRoundedRect(QRectF(60, -24, 90, 48), 14, 14);  // glove
    p.setPen(QPen(QColor(40, 30, 18), 2));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(72 + i * 16, -22), QPointF(72 + i * 16, 22));
    p.restore();
}

void paintCrosshair(QPainter& p) {
    p.setPen(QPen(QColor(80, 255, 80, 220), 1));
    const QPointF c(320, 240);
    for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        p.drawLine(c + d * 4, c + d * 10);
}

void paintChat(QPainter& p) {
    const QFont font = hudFont(12);
    const QColor name(150, 190, 255);
    const QColor words(255, 205, 120);
    struct Line {
        QString who, what;
    };
    const Line lines[] = {
        {QStringLiteral("Sprocket :"), QStringLiteral(" the dispensers merged!!")},
        {QStringLiteral("Tinker Tom :"), QStringLiteral(" lol wtf our dispensers merged again")},
    };
    qreal y = 352;
    for (const Line& line : lines) {
        text(p, {10, y}, line.who, name, font);
        const qreal indent = QFontMetricsF(font).horizontalAdvance(line.who);
        text(p, {10 + indent, y}, line.what, words, font);
        y += 16;
    }
}

void drawCross(QPainter& p, QPointF c, qreal size) {
    p.setPen(Qt::NoPen);
    p.setBrush(kHud);
    p.drawRect(QRectF(c.x() - size / 6, c.y() - size / 2, size / 3, size));
    p.drawRect(QRectF(c.x() - size / 2, c.y() - size / 6, size, size / 3));
}

void drawShield(QPainter& p, QPointF c, qreal size) {
    QPainterPath shield;
    shield.moveTo(c.x() - size / 2, c.y() - size / 2);
    shield.lineTo(c.x() + size / 2, c.y() - size / 2);
    shield.lineTo(c.x() + size / 2, c.y());
    shield.quadTo(c.x() + size / 2, c.y() + size / 3, c.x(), c.y() + size / 2);
    shield.quadTo(c.x() - size / 2, c.y() + size / 3, c.x() - size / 2, c.y());
    shield.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kHud);
    p.drawPath(shield);
}

void drawSentryIcon(QPainter& p, QPointF c, qreal size) {
    p.setPen(QPen(kHud, 2));
    p.drawLine(c + QPointF(0, 0), c + QPointF(-size / 2, size / 2));
    p.drawLine(c + QPointF(0, 0), c + QPointF(size / 2, size / 2));
    p.drawLine(c + QPointF(0, 0), c + QPointF(0, size / 2));
    p.setPen(Qt::NoPen);
    p.setBrush(kHud);
    p.drawRect(QRectF(c.x() - size / 3, c.y() - size / 2, size / 1.5, size / 2.2));
    p.drawRect(QRectF(c.x() - size * 0.75, c.y() - size * 0.4, size / 2.4, size / 8));
}

void paintStatus(QPainter& p) {
    const QFont big = hudFont(30);
    const QFont small = hudFont(11);
    drawCross(p, {26, 452}, 24);
    text(p, {44, 465}, QStringLiteral("100"), kHud, big);
    p.setPen(QPen(QColor(255, 170, 40, 140), 2));
    p.drawLine(QPointF(112, 440), QPointF(112, 468));
    drawShield(p, {132, 452}, 22);
    text(p, {150, 465}, QStringLiteral("50"), kHud, big);

    // The gun's state, in the corner the engineer's build menu would use.
    drawSentryIcon(p, {424, 443}, 22);
    text(p, {444, 440}, QStringLiteral("SENTRY  LVL 3"), kHud, small);
    text(p, {444, 455}, QStringLiteral("144/180  SHELLS 120"), kHud, small);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 40, 60));
    p.drawRect(QRectF(444, 461, 96, 5));
    p.setBrush(kHud);
    p.drawRect(QRectF(444, 461, 77, 5));
}

// The network graph: one column per frame, its height the latency, coloured by what the
// frame's packet did, with the figures beside it.
void paintNetGraph(QPainter& p) {
    const QRectF graph(236, 392, 168, 40);
    QRandomGenerator random(42);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(graph.width()); ++i) {
        const qreal x = graph.left() + i;
        qreal latency = 14 + 4 * std::sin(i / 9.0) + random.bounded(5.0);
        QColor colour(0, 220, 0);
        if (i > 110 && i < 118) {
            latency += 14;
            colour = QColor(255, 210, 0);  // choked
        }
        if (i == 61 || i == 140) colour = QColor(255, 40, 40);  // lost
        QColor column = colour;
        column.setAlpha(70);
        p.setBrush(column);
        p.drawRect(QRectF(x, graph.bottom() - latency, 1, latency));
        p.setBrush(colour);
        p.drawRect(QRectF(x, graph.bottom() - latency, 1, 2));
        if (random.bounded(4) == 0) {
            p.setBrush(QColor(120, 120, 255));
            p.drawRect(QRectF(x, graph.bottom() - random.bounded(6.0), 1, 1));
        }
    }
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRect(QRectF(graph.left(), graph.bottom(), graph.width(), 1));
    p.drawRect(QRectF(graph.left(), graph.bottom() - 20, graph.width(), 1));

    const QFont font = monoFont(10);
    const QColor figures(230, 230, 230);
    text(p, {236, 446}, QStringLiteral("in :  412 1.68 k/s"), figures, font);
    text(p, {236, 457}, QStringLiteral("out:   96 0.94 k/s"), figures, font);
    text(p, {236, 468}, QStringLiteral("loss: 0 choke: 0"), figures, font);
    text(p, {356, 446}, QStringLiteral("72.0 fps"), figures, font);
    text(p, {356, 457}, QStringLiteral("58 ms"), figures, font);
}

void darkenEdges(QPainter& p) {
    QRadialGradient vignette(QPointF(kCentreX, kHorizonY + 20), 430);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 40));
    vignette.setColorAt(0.55, QColor(0, 0, 0, 90));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(vignette);
    p.drawRect(QRectF(0, 0, kWidth, kHeight));
}

}  // namespace

QImage paintScreenshot() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintRoom(p);
    paintBuildings(p);
    darkenEdges(p);
    paintViewWeapon(p);
    paintCrosshair(p);
    paintChat(p);
    paintNetGraph(p);
    paintStatus(p);
    return image;
}

}  // namespace paint
