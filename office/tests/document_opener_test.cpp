#include "office/document_opener.h"

#include <gtest/gtest.h>


namespace vx::office {
namespace {

TEST(DocumentOpener, ChoosesTheServerByTheLastThreeCharactersExactly) {
    const struct {
        const char* path;
        DocumentServer server;
    } cases[] = {
        {"/d/akt.doc", DocumentServer::WordProcessor},   {"/d/akt.rtf   ", DocumentServer::WordProcessor},
        {"/d/plan.xls", DocumentServer::Spreadsheet},    {"/d/AKT.DOC", DocumentServer::Browser},
        {"/d/plan.xlsx", DocumentServer::Browser},       {"/d/akt.docx", DocumentServer::Browser},
        {"/d/scan.pdf", DocumentServer::Browser},        {"xl", DocumentServer::Browser},
        {"doc", DocumentServer::WordProcessor},
    };
    for (const auto& c : cases) EXPECT_EQ(serverForDocument(c.path), c.server) << c.path;
}

}  // namespace
}  // namespace vx::office
