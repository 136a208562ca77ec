#include "platform/qt/icons.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <functional>

#include "platform/qt/qt_convert.h"

namespace vx::qt {

namespace {

using Drawing = std::function<void(QPainter&)>;  // on a 32 x 32 canvas

const QColor kInk(40, 40, 60);

void paper(QPainter& p, const QColor& fill = Qt::white) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(fill);
    p.drawRect(6, 3, 20, 26);
}

void lines(QPainter& p, int from = 9, int count = 4) {
    p.setPen(QPen(QColor(70, 110, 170), 2));
    for (int i = 0; i < count; ++i) p.drawLine(10, from + 5 * i, 22, from + 5 * i);
}

void plusMark(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 4));
    p.drawLine(23, 17, 23, 29);
    p.drawLine(17, 23, 29, 23);
}

void tick(QPainter& p, const QColor& c, QRect box) {
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.left() + box.width() / 5, box.center().y(), box.center().x() - 1, box.bottom() - box.height() / 5);
    p.drawLine(box.center().x() - 1, box.bottom() - box.height() / 5, box.right() - box.width() / 6,
               box.top() + box.height() / 6);
}

void cylinder(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(230, 190, 80));
    p.drawRect(6, 8, 20, 18);
    p.drawEllipse(6, 21, 20, 8);
    p.setPen(Qt::NoPen);
    p.drawRect(7, 9, 18, 16);
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(250, 220, 120));
    p.drawEllipse(6, 4, 20, 8);
}

void animal(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(245, 245, 235));
    p.drawEllipse(5, 9, 20, 13);
    p.setBrush(QColor(90, 80, 70));
    p.drawEllipse(21, 7, 8, 8);
    p.drawLine(9, 21, 9, 28);
    p.drawLine(20, 21, 20, 28);
}

void syringe(QPainter& p) {
    p.translate(16, 16);
    p.rotate(-45);
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(-8, -4, 14, 8);
    p.setBrush(QColor(220, 60, 60));
    p.drawRect(-8, -2, 7, 4);
    p.drawLine(6, 0, 14, 0);
    p.drawLine(-8, 0, -13, 0);
    p.drawLine(-13, -4, -13, 4);
}

void microscope(QPainter& p) {
    p.setPen(QPen(kInk, 3));
    p.drawLine(12, 5, 20, 19);
    p.drawLine(8, 28, 26, 28);
    p.drawLine(22, 28, 22, 14);
    p.setBrush(QColor(80, 140, 200));
    p.setPen(QPen(kInk, 2));
    p.drawEllipse(16, 18, 7, 5);
}

void calculator(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(6, 3, 20, 26, 3, 3);
    p.setBrush(QColor(180, 230, 180));
    p.drawRect(9, 6, 14, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(9 + 5 * c, 15 + 4 * r, 3, 3);
}

void checkBox(QPainter& p, bool checked) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(5, 5, 22, 22);
    if (checked) tick(p, QColor(0, 140, 40), QRect(5, 5, 22, 22));
}

void stripes(QPainter& p) {
    for (int i = 0; i < 5; ++i) {
        p.fillRect(4, 4 + 5 * i, 24, 5, i == 2 ? QColor(60, 120, 220) : (i % 2 ? QColor(220, 230, 245) : Qt::white));
    }
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(4, 4, 24, 25);
}

void info(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(255, 250, 190));
    p.drawRoundedRect(3, 5, 26, 18, 4, 4);
    p.drawLine(10, 23, 8, 29);
    p.setPen(QPen(QColor(30, 80, 170), 3));
    p.drawLine(16, 13, 16, 19);
    p.drawPoint(16, 9);
}

void redCross(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    p.drawRect(12, 4, 8, 24);
    p.drawRect(4, 12, 24, 8);
}

void printer(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(9, 3, 14, 10);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(4, 12, 24, 11);
    p.setBrush(Qt::white);
    p.drawRect(9, 20, 14, 9);
}

void sheetTable(QPainter& p, bool exporting) {
    p.setPen(QPen(QColor(20, 110, 50), 2));
    p.setBrush(QColor(225, 245, 225));
    p.drawRect(4, 4, 18, 22);
    for (int i = 1; i < 4; ++i) p.drawLine(4, 4 + 5 * i + 2, 22, 4 + 5 * i + 2);
    p.drawLine(13, 4, 13, 26);
    p.setPen(QPen(QColor(30, 90, 200), 3));
    if (exporting) {
        p.drawLine(18, 23, 29, 23);
        p.drawLine(25, 19, 29, 23);
        p.drawLine(25, 27, 29, 23);
    } else {
        p.drawLine(29, 23, 18, 23);
        p.drawLine(22, 19, 18, 23);
        p.drawLine(22, 27, 18, 23);
    }
}

void windows(QPainter& p, int layout) {
    p.setPen(QPen(kInk, 2));
    const QColor title(60, 100, 180);
    auto win = [&](QRect r) {
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.fillRect(r.adjusted(1, 1, 0, 0).left(), r.top() + 1, r.width() - 1, 4, title);
    };
    if (layout == 0) {
        win({3, 4, 26, 11});
        win({3, 17, 26, 11});
    } else if (layout == 1) {
        win({3, 3, 17, 14});
        win({8, 9, 17, 14});
        win({13, 15, 16, 14});
    } else {
        for (int i = 0; i < 3; ++i) win({3 + 9 * i, 22, 8, 7});
    }
}

void genders(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 90, 200), 3));
    p.drawEllipse(4, 12, 11, 11);
    p.drawLine(13, 14, 19, 8);
    p.setPen(QPen(QColor(210, 50, 120), 3));
    p.drawEllipse(17, 12, 11, 11);
    p.drawLine(22, 23, 22, 30);
}

void circle(QPainter& p, const QColor& c) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(c);
    p.drawEllipse(5, 5, 22, 22);
}

void card(QPainter& p, const QColor& accent) {
    paper(p, QColor(250, 250, 240));
    lines(p, 12, 3);
    p.fillRect(7, 4, 19, 5, accent);
}

void badge(QPainter& p, QChar letter, const QColor& c) {
    p.setPen(QPen(c.darker(150), 2));
    p.setBrush(c);
    p.drawRoundedRect(3, 3, 26, 26, 6, 6);
    QFont f = p.font();
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, QString(letter.toUpper()));
}

void minusMark(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 4));
    p.drawLine(17, 23, 29, 23);
}

void cross(QPainter& p, const QColor& c, QRect box) {
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void pencil(QPainter& p) {
    p.save();
    p.translate(22, 22);
    p.rotate(-45);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(240, 190, 60));
    p.drawRect(-3, -10, 6, 14);
    p.setBrush(QColor(250, 220, 180));
    QPainterPath tip;
    tip.moveTo(-3, 4);
    tip.lineTo(3, 4);
    tip.lineTo(0, 10);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

void clockFace(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(255, 255, 220));
    p.drawEllipse(14, 14, 16, 16);
    p.drawLine(22, 22, 22, 17);
    p.drawLine(22, 22, 26, 24);
}

void magnifier(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(4, 4, 17, 17);
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(19, 19, 28, 28);
}

void funnel(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(120, 170, 230));
    QPainterPath f;
    f.moveTo(3, 4);
    f.lineTo(23, 4);
    f.lineTo(15, 14);
    f.lineTo(15, 24);
    f.lineTo(11, 21);
    f.lineTo(11, 14);
    f.closeSubpath();
    p.drawPath(f);
}

void columnWidths(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.drawLine(4, 5, 4, 27);
    p.drawLine(28, 5, 28, 27);
    p.setPen(QPen(QColor(30, 90, 200), 2));
    p.drawLine(8, 16, 24, 16);
    p.drawLine(8, 16, 12, 12);
    p.drawLine(8, 16, 12, 20);
    p.drawLine(24, 16, 20, 12);
    p.drawLine(24, 16, 20, 20);
}

void barChart(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.drawLine(4, 28, 28, 28);
    const QColor bars[] = {QColor(60, 140, 220), QColor(230, 150, 40), QColor(60, 170, 90)};
    const int heights[] = {12, 20, 8};
    for (int i = 0; i < 3; ++i) p.fillRect(7 + 7 * i, 27 - heights[i], 5, heights[i], bars[i]);
}

void bottle(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(240, 150, 90));
    p.drawRoundedRect(13, 3, 6, 6, 2, 2);
    p.setBrush(QColor(200, 200, 220));
    p.drawRect(11, 8, 10, 3);
    p.setBrush(QColor(250, 250, 255));
    p.drawRoundedRect(10, 11, 12, 18, 3, 3);
    p.fillRect(11, 19, 10, 9, QColor(255, 255, 230));
}

void folder(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(3, 9, 26, 18);
    p.drawRect(3, 6, 10, 3);
}

// The calculator's board: a dark display with lit figures.
void board(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(30, 70, 50));
    p.drawRoundedRect(2, 4, 22, 16, 2, 2);
    p.setPen(QPen(QColor(120, 240, 140), 2));
    for (int i = 0; i < 3; ++i) p.drawLine(6 + 6 * i, 9, 6 + 6 * i + 3, 9);
    p.drawLine(6, 15, 19, 15);
}

// What a board or an analysis covers: a holding (a house) or a farm (a barn).
void house(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(60, 120, 210));
    p.drawRect(19, 21, 11, 9);
    QPainterPath roof;
    roof.moveTo(17, 22);
    roof.lineTo(24.5, 15);
    roof.lineTo(32, 22);
    roof.closeSubpath();
    p.drawPath(roof);
}

void barn(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(170, 110, 60));
    QPainterPath shed;
    shed.moveTo(17, 30);
    shed.lineTo(17, 21);
    shed.lineTo(24.5, 15);
    shed.lineTo(32, 21);
    shed.lineTo(32, 30);
    shed.closeSubpath();
    p.drawPath(shed);
    p.setBrush(QColor(250, 230, 180));
    p.drawRect(22, 23, 5, 7);
}

// A statement or inventory, an act with its round stamp, an expertise with its test tube.
void document(QPainter& p, int kind) {
    paper(p);
    lines(p, 9, kind == 0 ? 4 : 2);
    if (kind == 1) {
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(15, 17, 12, 12);
    } else if (kind == 2) {
        p.save();
        p.translate(21, 22);
        p.rotate(30);
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(230, 240, 255));
        p.drawRoundedRect(-3, -8, 6, 15, 3, 3);
        p.fillRect(-2, 0, 4, 6, QColor(150, 60, 170));
        p.restore();
    }
}

const QColor kPlanned(30, 130, 200), kDiagnostic(150, 60, 170);

const QHash<QString, Drawing>& drawings() {
    static const QHash<QString, Drawing> table{
        {"stet", cylinder},
        {"baran", animal},
        {"shpric", syringe},
        {"micro", microscope},
        {"calc", calculator},
        {"calc_mer", calculator},
        {"spis",
         [](QPainter& p) {
             paper(p);
             lines(p);
         }},
        {"spism",
         [](QPainter& p) {
             paper(p, QColor(255, 248, 220));
             lines(p);
         }},
        {"spis_plus",
         [](QPainter& p) {
             paper(p);
             lines(p, 9, 2);
             plusMark(p, QColor(0, 150, 50));
         }},
        {"spis_chek",
         [](QPainter& p) {
             paper(p);
             lines(p, 9, 2);
             tick(p, QColor(0, 140, 40), QRect(14, 15, 16, 16));
         }},
        {"boxcheck", [](QPainter& p) { checkBox(p, true); }},
        {"chek", [](QPainter& p) { checkBox(p, true); }},
        {"box", [](QPainter& p) { checkBox(p, false); }},
        {"ihfo", info},
        {"polosa", stripes},
        {"medic", redCross},
        {"scor_pom", printer},
        {"e_xls", [](QPainter& p) { sheetTable(p, true); }},
        {"i_xls", [](QPainter& p) { sheetTable(p, false); }},
        {"zagol", [](QPainter& p) { windows(p, 0); }},
        {"cascad", [](QPainter& p) { windows(p, 1); }},
        {"ico", [](QPainter& p) { windows(p, 2); }},
        {"mw", genders},
        {"krug_ch", [](QPainter& p) { circle(p, QColor(40, 40, 40)); }},
        {"vpo", [](QPainter& p) { badge(p, u'П', kPlanned); }},
        {"vdi", [](QPainter& p) { badge(p, u'Д', kDiagnostic); }},
        {"vdi_vpo", [](QPainter& p) { badge(p, u'С', QColor(60, 140, 90)); }},
        {"vpo_karta", [](QPainter& p) { card(p, kPlanned); }},
        {"vdi_karta", [](QPainter& p) { card(p, kDiagnostic); }},
        {"shema", [](QPainter& p) { card(p, QColor(60, 140, 90)); }},
        {"p_print", printer},
        {"printn",
         [](QPainter& p) {
             printer(p);
             plusMark(p, QColor(0, 150, 50));
         }},
        {"spis_edit",
         [](QPainter& p) {
             paper(p);
             lines(p, 9, 2);
             pencil(p);
         }},
        {"spis_minus",
         [](QPainter& p) {
             paper(p);
             lines(p, 9, 2);
             minusMark(p, QColor(200, 40, 40));
         }},
        {"spis_cloc_new",
         [](QPainter& p) {
             paper(p);
             lines(p, 9, 2);
             clockFace(p);
         }},
        {"tabstop", columnWidths},
        {"doc_list", [](QPainter& p) { document(p, 0); }},
        {"doc_act", [](QPainter& p) { document(p, 1); }},
        {"doc_expert", [](QPainter& p) { document(p, 2); }},
        {"tablo_hoz",
         [](QPainter& p) {
             board(p);
             house(p);
         }},
        {"tablo_ferm",
         [](QPainter& p) {
             board(p);
             barn(p);
         }},
        {"clear",
         [](QPainter& p) {
             board(p);
             cross(p, QColor(200, 40, 40), QRect(18, 18, 11, 11));
         }},
        {"analiz_hoz",
         [](QPainter& p) {
             barChart(p);
             house(p);
         }},
        {"analiz_ferm",
         [](QPainter& p) {
             barChart(p);
             barn(p);
         }},
        {"zoomd", magnifier},
        {"struct_bd", barChart},
        {"plus_flt",
         [](QPainter& p) {
             funnel(p);
             plusMark(p, QColor(0, 150, 50));
         }},
        {"del_flt",
         [](QPainter& p) {
             funnel(p);
             cross(p, QColor(200, 40, 40), QRect(19, 18, 9, 9));
         }},
        {"hand_flt",
         [](QPainter& p) {
             funnel(p);
             pencil(p);
         }},
        {"soska", bottle},
        {"73", [](QPainter& p) { tick(p, QColor(0, 140, 40), QRect(3, 3, 26, 26)); }},
        {"waok", [](QPainter& p) { tick(p, QColor(0, 140, 40), QRect(3, 3, 26, 26)); }},
        {"wacancel", [](QPainter& p) { cross(p, QColor(200, 40, 40), QRect(7, 7, 18, 18)); }},
        {"qkload", folder},
        {"qkqbe",
         [](QPainter& p) {
             funnel(p);
             tick(p, QColor(0, 140, 40), QRect(14, 14, 16, 16));
         }},
    };
    return table;
}

// "~BOXCHECK.ICO" -> "boxcheck"
QString stemOf(std::string_view name) {
    QString s = toQ(name).trimmed().toLower();
    while (s.startsWith(u'~')) s.remove(0, 1);
    if (const qsizetype slash = s.lastIndexOf(u'/'); slash >= 0) s = s.mid(slash + 1);
    if (const qsizetype dot = s.lastIndexOf(u'.'); dot > 0) s.truncate(dot);
    return s;
}

QIcon standardIcon(const QString& stem) {
    static const QHash<QString, QStyle::StandardPixmap> table{
        {"exit", QStyle::SP_DialogCloseButton},
        {"ditto", QStyle::SP_ArrowBack},
        {"ok_help", QStyle::SP_DialogApplyButton},
    };
    const auto it = table.find(stem);
    return it == table.end() ? QIcon() : QApplication::style()->standardIcon(*it);
}

QIcon drawn(const Drawing& draw) {
    QIcon icon;
    for (int side : {16, 32}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 32.0, side / 32.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QColor badgeColour(const QString& stem) { return QColor::fromHsv(static_cast<int>(qHash(stem) % 360), 150, 190); }

}  // namespace

QIcon iconFor(std::string_view name) {
    const QString stem = stemOf(name);
    if (stem.isEmpty()) return {};
    static QHash<QString, QIcon> cache;
    if (const auto it = cache.constFind(stem); it != cache.constEnd()) return *it;
    QIcon icon = standardIcon(stem);
    if (icon.isNull()) {
        const auto& table = drawings();
        const auto it = table.find(stem);
        icon = it != table.end() ? drawn(*it) : drawn([&](QPainter& p) { badge(p, stem[0], badgeColour(stem)); });
    }
    cache.insert(stem, icon);
    return icon;
}

}  // namespace vx::qt
