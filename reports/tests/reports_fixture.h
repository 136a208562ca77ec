#pragma once
// A chosen database in the test's folder, the reports started through the
// harness, and the herd of the animal-list example.

#include <memory>
#include <string>
#include <string_view>

#include "platform/pages/page_model.h"
#include "tests/records_fixture.h"

namespace vx::reports::testing {

using vx::testing::Lines;

// The texts of a page that run into the next text on their line, as "text|next".
Lines overrunTexts(const vx::pages::Page& page);

class ReportsTest : public vx::testing::RecordsTest {
protected:
    void SetUp() override;

    // Starts the report on a thread, lets its progress window tick and answers what it
    // answered; `pages` gets the preview's text ("" when none opened), `printed` its pages,
    // then the preview closes. Every page is checked for texts that run into the next.
    int print(std::string_view procedure, std::string* pages = nullptr);
    // A card of passport `id` (its record in the calling thread's buffer, as the register has it).
    int printCard(bool diagnostic, int id, std::string* pages = nullptr);

    // Holding 1 "Заря", farm 1 "Ферма №1", species 1 "Корова" with groups 3 "Телки" and 5 "Бычки".
    void addExampleBooks();

    int answered = -1;
    std::shared_ptr<const vx::pages::Document> printed;

private:
    void keepPicture(const vx::pages::Document& doc, const std::string& name);
};

}  // namespace vx::reports::testing
