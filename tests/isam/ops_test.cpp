// The ops interpreter's own rules: what a caller holds between lines (the
// current fileblock, the per-key record number and key handed to the next
// step) and how unreadable lines are answered.
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "isam/fileblock_ops.h"
#include "isam_fixture.h"

using isam_test::StoreTest;

namespace {

class OpsTest : public StoreTest {
 protected:
  // Runs (line, expected result) pairs in one session.
  void Expect(const std::vector<std::pair<std::string, std::string>>& steps) {
    for (const auto& [line, want] : steps) EXPECT_EQ(isam::RunOpsLine(s_, line), want) << line;
  }
  isam::OpsSession s_;
};

TEST_F(OpsTest, StepsResumeFromTheLastFindOrStep) {
  Expect({{"init 62", "ok 62"},
          {"create data\\a 21 4:0 4:1", "ok"},
          {"open data\\a", "ok"},
          {"addrec x", "ok 1"},
          {"addrec y", "ok 2"},
          {"addrec z", "ok 3"},
          {"addkey 1 1 AA", "ok 1"},
          {"addkey 1 2 BB", "ok 2"},
          {"addkey 2 2 AA", "ok 2"},
          {"nextkey 1", "ok 1 AA"},
          {"nextkey 1", "ok 2 BB"},
          // A missing key: its text and record number 0 are what the next
          // step resumes from once an add has spoilt the position.
          {"findkey 1 AB", "err 10200"},
          {"addkey 1 3 AC", "ok 3"},
          {"nextkey 1", "ok 3 AC"},
          // A found duplicate: the step resumes after (AA, 2), not before
          // the new (AA, 1).
          {"findkey 2 AA", "ok 2"},
          {"addkey 2 1 AA", "ok 1"},
          {"nextkey 2", "err 10250"},
          {"clearkey 2", "ok"},
          {"nextkey 2", "ok 1 AA"},
          {"nextkey 2", "ok 2 AA"},
          // Key numbers outside the fileblock's keys are refused.
          {"nextkey 3", "err 10164"},
          {"clearkey 0", "err 10164"},
          {"exit", "ok"}});
}

TEST_F(OpsTest, CurrentFileblockFollowsOpenCloseAndCloseAll) {
  Expect({{"getrec 1", "err 10455"},
          {"init 6", "ok 6"},
          {"getrec 1", "err 10445"},
          {"create data\\a 21", "ok"},
          {"create data\\b 30", "ok"},
          {"open data\\a", "ok"},
          {"addrec in-a", "ok 1"},
          {"open data\\b", "ok"},
          {"addrec in-b", "ok 1"},
          {"addrec in-b2", "ok 2"},
          {"open data\\zz", "err 9903"},
          // A failed open leaves the current fileblock as it was.
          {"usedrecs", "ok 2"},
          {"close", "ok"},
          {"usedrecs", "err 10445"},
          {"closeall", "ok"},
          {"open data\\a", "ok"},
          {"usedrecs", "ok 1"},
          {"closeall", "ok"},
          {"usedrecs", "err 10445"},
          {"open data\\a", "ok"},
          {"exit", "ok"},
          {"init 62", "ok 62"},
          {"usedrecs", "err 10445"},
          {"exit", "ok"}});
  EXPECT_FALSE(s_.SawBadLine);
}

TEST_F(OpsTest, UnreadableLinesCallNothing) {
  Expect({{"", ""},
          {"# init 62", ""},
          {"init", "bad init PAGES"},
          {"init 62x", "bad init PAGES"},
          {"init 62", "ok 62"},
          {"create data\\a", "bad create NAME RECLEN [KEYLEN:DUP ...]"},
          {"create data\\a 21 4:2", "bad key description KEYLEN:DUP"},
          {"create data\\a 21 4", "bad key description KEYLEN:DUP"},
          {"create data\\a 21 4:0 300:1", "err 10055"},
          {"create data\\a 21 1:0 1:0 1:0 1:0 1:0 1:0", "err 10050"},
          {"create data\\a 21 4:0\r", "ok"},
          {"open data\\a", "ok"},
          {"close now", "bad close takes no arguments"},
          {"getrec one", "bad getrec REFNR"},
          {"getrec 99999999999", "bad getrec REFNR"},
          {"addkey 1 x AB", "bad addkey K REFNR KEY"},
          {"addkey 1 1 A%2", "bad escape in key"},
          {"findkey 1 AB x", "bad findkey K KEY [REFNR]"},
          {"nextkey", "bad nextkey K"},
          {"frob", "bad unknown command frob"},
          {"usedrecs", "ok 0"},
          {"exit", "ok"}});
  EXPECT_TRUE(s_.SawBadLine);
  // A whole script: one result line per line that is not empty or "#".
  std::istringstream in("init 62\n\n# note\nexit\n");
  std::ostringstream out;
  EXPECT_EQ(isam::RunOps(in, out), 0);
  EXPECT_EQ(out.str(), "ok 62\nok\n");
}

}  // namespace
