#include "execution/forms/tests/measure_form_fixture.h"

#include "context/globals.h"
#include "database/database_choice.h"
#include "dictionary/names.h"
#include "execution/forms/measure_forms.h"
#include "execution/forms/measure_record.h"
#include "platform/classes/insert_priming.h"
#include "platform/core/dates.h"
#include "platform/core/picture.h"
#include "platform/core/text.h"
#include "platform/runtime/thread_state.h"

namespace vx::execution::testing {

using namespace dct;
using vx::testing::append;

namespace {

const AccessRef kFiles[] = {Access::HOZ,  Access::FERMA, Access::ANIMVID, Access::PASPORT, Access::BOLEZN,
                            Access::TASK, Access::VPO,   Access::VDI,     Access::PVSEGO,  Access::DVSEGO};

void withFiles(const std::function<void()>& body) {
    for (AccessRef f : kFiles) {
        f->open();
        ASSERT_EQ(f->useFile(), rt::Level::Benign);
    }
    body();
    for (AccessRef f : kFiles) f->close();
}

}  // namespace

void MeasureFormTest::SetUp() {
    RecordsTest::SetUp();
    database::chooseDatabaseFolder(dir.string() + "/");
}

void MeasureFormTest::addPlanScheme(MeasureKind kind, const char* id, int days, int youngDays, int32_t youngDate,
                                    const std::string& name) {
    onThread([&] {
        const auto fill = [&](auto& s) {
            s.NAME = name.empty() ? std::string("Мероприятие ") + id : name;
            s.DNEY = days;
            s.GLPLAN = 1;
            s.GOPLAN = 1;
            s.DNEYM = youngDays;
            s.GLPLANM = 2;
            s.IDPREPARAT = 7;
            s.NORMA = Decimal::parse("0.5").value();
        };
        if (kind == MeasureKind::Preventive) {
            append(Access::BOLEZN, BOLEZN, [&] {
                BOL->ID = Decimal::parse(id).value();
                BOL->IDANIM = 1;
                BOL->GOPLANM = 2;
                BOL->PREDATM = youngDate;
                fill(*BOL);
            });
        } else {
            append(Access::TASK, TASK, [&] {
                TAS->IDTASK = Decimal::parse(id).value();
                TAS->VIDANIM = 1;
                TAS->GOLPLANM = 2;
                TAS->PREDATAM = youngDate;
                fill(*TAS);
            });
        }
    });
}

void MeasureFormTest::addPlace(const Animal& a) {
    addHolding(1, "Первое");
    addFarm(1, 2, "Луговая");
    addSpecies(1, "КРС");
    addSpecies(2, "Свиньи");
    addPassport(1, 2, a.id, a.number, [&] {
        PAS->VIDANIM = 1;
        PAS->OSNMOL = a.herdGroup;
        PAS->DATAROG = a.born;
    });
}

void MeasureFormTest::open(MeasureKind kind, Byte request, const Animal& a, const std::function<void()>& position) {
    onThread([&, kind, request] {
        withFiles([&] {
            PAS->ID = a.id;
            Fetch(PAS_K8);
            glo::IDVIDANIM = PAS->VIDANIM;
            glo::IDANIM = PAS->IDANIM;
            glo::DATAROG = PAS->DATAROG;
            position();
            *rt::GLOBALREQUEST = request;
            if (kind == MeasureKind::Preventive) Updatevpo();
            else Updatevdi();
            response = *rt::GLOBALRESPONSE;
        });
    });
}

void MeasureFormTest::openNew(MeasureKind kind, const Animal& a) {
    open(kind, rt::request::Insert, a, [&] {
        const data::FileManager& file = kind == MeasureKind::Preventive ? *Access::VPO : *Access::VDI;
        classes::InsertPriming priming{&file.def(), {}};
        priming.fields = {{file.def().fieldIndex("IDHOZ"), Value(1)},
                          {file.def().fieldIndex("IDFERMA"), Value(2)},
                          {file.def().fieldIndex("ID"), Value(a.id)}};
        classes::offerInsertPriming(std::move(priming));
    });
}

void MeasureFormTest::openStored(MeasureKind kind, Byte request, const Animal& a, int position) {
    open(kind, request, a, [&] {
        data::FileManager& file = kind == MeasureKind::Preventive ? *Access::VPO : *Access::VDI;
        store::Position at = 0;
        int n = 0;
        file.table().scan(store::ScanSpec{}, [&](store::Position p, const void*) {
            at = p;
            return ++n < position;
        });
        ASSERT_EQ(file.reget(at), rt::Level::Benign);
    });
}

Lines MeasureFormTest::records(MeasureKind kind) {
    Lines out;
    const auto show = [](const MeasureFields& r) {
        return trim(format(Value(r.measure.value()), "@n_5.1")) + " " + r.headsPlanned.value().plain() + "/" +
               r.treatmentsPlanned.value().plain() + " " + formatDate(r.planned) + " " + r.headsDone.value().plain() +
               "/" + r.treatmentsDone.value().plain() + " " + r.number.str() + " " + r.holding.value().plain() + " " +
               r.farm.value().plain() + " " + std::to_string(r.animal);
    };
    onThread([&] {
        out = kind == MeasureKind::Preventive
                  ? vx::testing::all(Access::VPO, VPO, [&] { return show(measureFields(*VPO)); })
                  : vx::testing::all(Access::VDI, VDI, [&] { return show(measureFields(*VDI)); });
    });
    return out;
}

}  // namespace vx::execution::testing
