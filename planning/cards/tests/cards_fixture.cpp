#include "planning/cards/tests/cards_fixture.h"

#include "dictionary/names.h"
#include "planning/cards/cards_windows.h"
#include "planning/schemes/scheme_record.h"
#include "platform/core/dates.h"

namespace vx::planning::cards::testing {

using namespace dct;
using vx::testing::all;
using vx::testing::append;

namespace {

std::string plain(const Decimal& d) { return d.plain(); }

// The fields a planned record must leave zero or blank, as "NAME=value" of those that are not.
template <class Record>
std::string nonBlank(const Record& r) {
    std::string out;
    const auto note = [&](const char* name, const std::string& value, bool blank) {
        if (!blank) out += std::string(" ") + name + "=" + value;
    };
    note("CHEK", std::to_string(r.CHEK), r.CHEK == 0);
    note("GLVUP", plain(r.GLVUP), Decimal(r.GLVUP).isZero());
    note("GOVUP", plain(r.GOVUP), Decimal(r.GOVUP).isZero());
    note("AKTNOMER", r.AKTNOMER.str(), r.AKTNOMER.str().empty());
    note("AKTDATA", std::to_string(r.AKTDATA), r.AKTDATA == 0);
    note("PRIM", r.PRIM.str(), r.PRIM.str().empty());
    if constexpr (requires { r.REAKCIA; }) {
        note("REAKCIA", std::to_string(r.REAKCIA), r.REAKCIA == 0);
        note("NVED", r.NVED.str(), r.NVED.str().empty());
        note("DVED", std::to_string(r.DVED), r.DVED == 0);
        note("NEKSP", r.NEKSP.str(), r.NEKSP.str().empty());
        note("DEKSP", std::to_string(r.DEKSP), r.DEKSP == 0);
        for (const Str* path : {&r.PUTVPDOC, &r.PUTAKTDOC, &r.PUTEXPDOC}) note("doc", path->str(), path->str().empty());
    } else {
        note("NOPIS", r.NOPIS.str(), r.NOPIS.str().empty());
        note("DOPIS", std::to_string(r.DOPIS), r.DOPIS == 0);
        for (const Str* path : {&r.VPDOC, &r.AKTDOC}) note("doc", path->str(), path->str().empty());
    }
    return out;
}

template <class Record>
std::string shown(const Record& r) {
    return std::to_string(r.ID) + " " + r.IDTASK.value().fixed(1) + " " + plain(r.VIDANIM) + " " +
           formatDate(r.DATATASK) + " " + plain(r.GLPLAN) + "/" + plain(r.GOPLAN) + " " + plain(r.IDPREPARAT) + " " +
           plain(r.NORMA) + " " + plain(r.IDHOZ) + "/" + plain(r.IDFERMA) + " " + r.IDANIM.str() + " " +
           plain(r.IDPOL) + " |" + nonBlank(r);
}

}  // namespace

void CardsTest::SetUp() {
    SchemesTest::SetUp();
    h->addProcedure("BrowseTKvdi", BrowseTKvdi);
    h->addProcedure("BrowseTKvpo", BrowseTKvpo);
}

const char* CardsTest::listOf(MeasureKind kind) { return measureKind(kind).cardListProcedure; }

MeasureKind CardsTest::otherThan(MeasureKind kind) {
    return kind == MeasureKind::Preventive ? MeasureKind::Diagnostic : MeasureKind::Preventive;
}

void CardsTest::addCard(MeasureKind kind, int id, int species, const std::string& name) {
    const CardBook& c = measureKind(kind).cards;
    onThread([&] {
        append(c.cardAccess, FileRefBase{c.cardAccess.id}, [&] {
            CardRecord& r = c.card();
            r.IDKARTIP = id;
            r.VIDANIM = species;
            r.NAME = name;
        });
    });
}

void CardsTest::addLine(MeasureKind kind, const Line& line) {
    const CardBook& c = measureKind(kind).cards;
    onThread([&] {
        append(c.lineAccess, FileRefBase{c.lineAccess.id}, [&] {
            CardLineRecord& r = c.line();
            r.IDKARTIP = line.card;
            r.IDTASK = Decimal::fromMantissa(line.tenths, 1);
            r.NAME = line.name;
            r.VIDANIM = line.species;
            r.DNEY = line.days;
            r.TASKDATA = line.fixed;
            r.GLPLAN = line.heads;
            r.GOPLAN = line.treatments;
            r.IDPREPARAT = line.preparation;
            r.NORMA = Decimal::fromMantissa(line.normTenths, 1);
        });
    });
}

void CardsTest::addDosedScheme(MeasureKind kind, int tenths, int species, const std::string& name, int preparation,
                               int normTenths) {
    addScheme(kind, tenths, species, name, {}, {});
    onThread([&] {
        const SchemeBook& s = measureKind(kind).schemes;
        s.access->open();
        ASSERT_EQ(s.access->useFile(), rt::Level::Benign);
        Set(s.file);
        while (Next(s.file)) {
            if (schemes::schemeFields(kind).name.str() != name) continue;
            if (kind == MeasureKind::Preventive) {
                BOL->IDPREPARAT = preparation;
                BOL->NORMA = Decimal::fromMantissa(normTenths, 1);
            } else {
                TAS->IDPREPARAT = preparation;
                TAS->NORMA = Decimal::fromMantissa(normTenths, 1);
            }
            Put(s.file);
        }
        s.access->close();
    });
}

Lines CardsTest::cards(MeasureKind kind) {
    const CardBook& c = measureKind(kind).cards;
    Lines out;
    onThread([&] {
        out = all(c.cardAccess, FileRefBase{c.cardAccess.id}, [&] {
            const CardRecord& r = c.card();
            return plain(r.IDKARTIP) + " " + plain(r.VIDANIM) + " " + r.NAME.str();
        });
    });
    return out;
}

Lines CardsTest::lines(MeasureKind kind) {
    const CardBook& c = measureKind(kind).cards;
    Lines out;
    onThread([&] {
        out = all(c.lineAccess, FileRefBase{c.lineAccess.id}, [&] {
            const CardLineRecord& r = c.line();
            return plain(r.IDKARTIP) + " " + r.IDTASK.value().fixed(1) + " " + r.NAME.str() + " " + plain(r.VIDANIM) +
                   " " + plain(r.DNEY) + " " + plain(r.GLPLAN) + "/" + plain(r.GOPLAN) + " " + formatDate(r.TASKDATA) +
                   " " + plain(r.IDPREPARAT) + " " + plain(r.NORMA);
        });
    });
    return out;
}

Lines CardsTest::planned(MeasureKind kind) {
    Lines out;
    onThread([&] {
        out = kind == MeasureKind::Preventive ? all(Access::VPO, VPO, [] { return shown(*VPO); })
                                              : all(Access::VDI, VDI, [] { return shown(*VDI); });
    });
    return out;
}

}  // namespace vx::planning::cards::testing
