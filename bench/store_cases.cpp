#include "bench/store_cases.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "bench/report.h"
#include "bench/sqlite_side.h"
#include "context/globals.h"
#include "dictionary/names.h"
#include "platform/core/text.h"
#include "platform/data/view.h"
#include "platform/store/record_file.h"

namespace vx::bench {

using namespace dct;

namespace {

std::string rawPasport(const Fixture& fx) { return fx.file("raw-pasport.tps"); }

// The WHERE clause of a key's partial index, so a scan by it can use the index.
std::string entryCondition(RawFile& raw, const std::string& key) {
    Statement st(raw.db(), "SELECT sql FROM sqlite_master WHERE name = 'key_" + key + "'");
    st.step();
    const std::string sql = st.text(0);
    const auto at = sql.find(" WHERE ");
    return at == std::string::npos ? "1" : sql.substr(at + 7);
}

int64_t nextRandom(uint64_t& state) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int64_t>((state >> 33) % passports()) + 1;
}

}  // namespace

void appendPassports(const Fixture& fx) {
    const double ours = millisecondsOf([] {
        for (int i = 1; i <= passports(); ++i) {
            fillPassport(i);
            Add(PASPORT);
        }
        store::commitPendingWrites();
    });

    RawFile raw(rawPasport(fx), glo::PUT5.str());
    const std::vector<std::string> columns = raw.columns();
    std::vector<std::vector<Cell>> rows;
    rows.reserve(passports());
    for (int i = 1; i <= passports(); ++i) {
        fillPassport(i);
        rows.push_back(cellsOf(PASPORT.handle().database()->table().def(), &*PAS, columns));
    }
    const double sqlite = appendedInOneTransaction(raw, columns, rows);
    report(sized("append", passports()), ours, sqlite);
}

void rewritePassports(const Fixture& fx) {
    const double ours = millisecondsOf([] {
        Set(PASPORT);
        while (Next(PASPORT)) {
            PAS->CHEK = PAS->CHEK ? 0 : 1;
            Put(PASPORT);
        }
        store::commitPendingWrites();
    });

    RawFile raw(rawPasport(fx));
    const std::vector<std::string> columns = raw.columns();
    const double sqlite = millisecondsOf([&] {
        raw.exec("BEGIN");
        Statement read(raw.db(), "SELECT pos, " + joined(columns, ",") + " FROM records ORDER BY pos");
        Statement write(raw.db(), "UPDATE records SET CHEK = ? WHERE pos = ?");
        const int chek = 1 + static_cast<int>(std::find(columns.begin(), columns.end(), "CHEK") - columns.begin());
        while (read.step()) {
            write.bind(1, read.integer(chek) ? 0 : 1);
            write.bind(2, read.integer(0));
            write.step();
            write.reset();
        }
        raw.exec("COMMIT");
    });
    report(sized("rewrite", passports()), ours, sqlite);
}

void scanByKey(const Fixture& fx) {
    int64_t seen = 0;
    const double ours = millisecondsOf([&] {
        Set(PAS_K1);
        while (Next(PASPORT)) ++seen;
    });

    RawFile raw(rawPasport(fx));
    const std::vector<std::string> columns = raw.columns();
    int64_t rawSeen = 0;
    const double sqlite = millisecondsOf([&] {
        Statement read(raw.db(), "SELECT pos, " + joined(columns, ",") + " FROM records WHERE " +
                                     entryCondition(raw, "K1") + " ORDER BY \"ADRES__key\", \"IDANIM__key\", pos");
        while (read.step()) ++rawSeen;
    });
    const std::string name = sized("scan-key", passports());
    if (seen != rawSeen) std::printf("%s: %lld rows against %lld\n", name.c_str(), (long long)seen, (long long)rawSeen);
    report(name, ours, sqlite);
}

void fetchById(const Fixture& fx) {
    uint64_t state = 7;
    const double ours = millisecondsOf([&] {
        for (int n = 0; n < passports(); ++n) {
            PAS->ID = static_cast<Long>(nextRandom(state));
            Fetch(PAS_K8);
        }
    });

    RawFile raw(rawPasport(fx));
    const std::vector<std::string> columns = raw.columns();
    state = 7;
    const double sqlite = millisecondsOf([&] {
        Statement read(raw.db(), "SELECT pos, " + joined(columns, ",") + " FROM records WHERE ID = ? AND " +
                                     entryCondition(raw, "K8"));
        for (int n = 0; n < passports(); ++n) {
            read.bind(1, nextRandom(state));
            read.step();
            read.reset();
        }
    });
    report(sized("fetch", passports()), ours, sqlite);
}

void fillRegisterPage(const Fixture& fx) {
    constexpr int kFills = 1000;
    constexpr int kRows = 25;
    data::View view(*Access::PASPORT);
    view.orderByKey(PAS_K7.index);
    view.setRange({[] { return Value(glo::IDHOZ.value()); }, [] { return Value(glo::IDFERM.value()); }});
    view.join(*Access::POLVOZ, POL_K1.index, {"IDPOL"});
    view.join(*Access::ANIMVID, ANI_K1.index, {"VIDANIM"});
    view.open();
    glo::IDHOZ = 3;
    glo::IDFERM = 4;
    std::size_t cells = 0;
    const double ours = millisecondsOf([&] {
        for (int n = 0; n < kFills; ++n)
            view.firstPage(kRows,
                           [&](const data::ViewRow&) { cells += PAS->FIO.str().size() + POL->NAME.str().size(); });
    });

    RawFile raw(rawPasport(fx));
    raw.exec("ATTACH " + std::string("'") + fx.file("POLVOZ.TPS") + "' AS pol");
    raw.exec("ATTACH " + std::string("'") + fx.file("ANIMVID.TPS") + "' AS ani");
    const std::vector<std::string> columns = raw.columns();
    const double sqlite = millisecondsOf([&] {
        Statement page(raw.db(), "SELECT pos, " + joined(columns, ",") +
                                     " FROM records WHERE IDHOZ = ? AND IDFERMA = ? AND " + entryCondition(raw, "K7") +
                                     " ORDER BY IDHOZ, IDFERMA, ID, pos LIMIT ?");
        Statement group(raw.db(),
                        "SELECT * FROM pol.records WHERE IDPOL = ? AND IDPOL <> 0 ORDER BY IDPOL, pos LIMIT 1");
        Statement species(raw.db(),
                          "SELECT * FROM ani.records WHERE IDANIM = ? AND IDANIM <> 0 ORDER BY IDANIM, pos LIMIT 1");
        const int idpol = 1 + static_cast<int>(std::find(columns.begin(), columns.end(), "IDPOL") - columns.begin());
        const int vid = 1 + static_cast<int>(std::find(columns.begin(), columns.end(), "VIDANIM") - columns.begin());
        for (int n = 0; n < kFills; ++n) {
            page.bind(1, 3);
            page.bind(2, 4);
            page.bind(3, kRows);
            while (page.step()) {
                group.bind(1, page.integer(idpol));
                group.step();
                group.reset();
                species.bind(1, page.integer(vid));
                species.step();
                species.reset();
            }
            page.reset();
        }
    });
    report("page-fill", ours / kFills, sqlite / kFills);
}

void cascadeHoldingChange(const Fixture& fx) {
    store::commitPendingWrites();
    const std::vector<std::pair<std::string, std::string>> files = {{"hoz", glo::PUT1.str()},
                                                                    {"ferma", glo::PUT2.str()},
                                                                    {"pasport", glo::PUT5.str()},
                                                                    {"vpo", glo::PUT6.str()},
                                                                    {"vdi", glo::PUT7.str()}};
    for (const auto& [name, path] : files)
        std::filesystem::copy_file(path, fx.file("raw-cascade-" + name + ".tps"),
                                   std::filesystem::copy_options::overwrite_existing);

    HOZ->IDHOZ = 1;
    Fetch(HOZ_K1);
    const double ours = millisecondsOf([] {
        HOZ->IDHOZ = 99;
        Relate::HOZ->update();
    });

    RawFile raw(fx.file("raw-cascade-hoz.tps"));
    for (const auto& [name, path] : files)
        if (name != "hoz") raw.exec("ATTACH '" + fx.file("raw-cascade-" + name + ".tps") + "' AS " + name);
    const double sqlite = millisecondsOf([&] {
        raw.exec("BEGIN");
        for (const char* table : {"vdi", "vpo", "pasport", "ferma"})
            raw.exec(std::string("UPDATE ") + table + ".records SET IDHOZ = 99 WHERE IDHOZ = 1");
        raw.exec("UPDATE main.records SET IDHOZ = 99 WHERE IDHOZ = 1");
        raw.exec("COMMIT");
    });
    report("cascade-change", ours, sqlite);
}

}  // namespace vx::bench
