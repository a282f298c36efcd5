// SPDX-FileCopyrightText: 2026 The Vexlo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_fixture.h"

#include "runtime/failure.h"

#include <stdexcept>

namespace vx::test {
namespace {

// The journal without the binding's redraws of single controls.
Journal withoutRedraws(const Journal &journal) {
  Journal kept;
  for (const std::string &entry : journal) {
    if (!entry.starts_with("changed ")) {
      kept.push_back(entry);
    }
  }
  return kept;
}

struct Course {
  const char *what;
  std::function<void(Program &)> steps;
  Journal told;
  bool ended;
};

// The program ends when no window is open once the outermost event
// procedure has finished, and not before a window was ever shown.
TEST(Registry, TheProgramEndsWhenNoWindowIsOpenAfterTheOutermostProcedure) {
  const auto inProcedure = [](Program &p, const std::function<void()> &steps) {
    p.panel("first").Command1.onClick = steps;
    p.panel("first").Command1.userClicked();
  };
  const std::vector<Course> runs{
      {"last window closed",
       [](Program &p) {
         p.registry.show("first");
         p.registry.close("first");
       },
       {"Load", "shown first", "Unload", "closed first", "ended"},
       true},
      {"loaded but never shown",
       [](Program &p) {
         p.registry.load("first");
         p.registry.close("first");
       },
       {"Load", "Unload"},
       false},
      {"closed and another shown in one procedure",
       [&](Program &p) {
         p.registry.show("first");
         inProcedure(p, [&p] {
           p.registry.close("first");
           EXPECT_FALSE(p.registry.ended());
           p.registry.show("second");
         });
       },
       {"Load", "shown first", "Unload", "closed first", "Load", "shown second"},
       false},
      {"a failing procedure still ends it",
       [&](Program &p) {
         p.registry.show("first");
         inProcedure(p, [&p] {
           p.registry.close("first");
           throw CalcFailure("overflow");
         });
       },
       {"Load", "shown first", "Unload", "closed first", "ended"},
       true},
      {"closing what is not open",
       [](Program &p) {
         p.registry.show("first");
         p.registry.close("second");
         p.registry.close("third");
       },
       {"Load", "shown first"},
       false},
      {"shown twice, loaded once",
       [](Program &p) {
         p.registry.show("first");
         p.panel("first").Text1.setText("5");
         p.registry.show("first");
       },
       {"Load", "shown first", "Text1_Change", "shown first"},
       false},
      {"ended once",
       [](Program &p) {
         p.registry.show("first");
         p.registry.close("first");
         p.registry.load("second");
         p.registry.close("second");
       },
       {"Load", "shown first", "Unload", "closed first", "ended", "Load", "Unload"},
       true},
  };
  for (const Course &run : runs) {
    Program program;
    run.steps(program);
    EXPECT_EQ(withoutRedraws(program.journal), run.told) << run.what;
    EXPECT_EQ(program.registry.ended(), run.ended) << run.what;
  }
}

// Two windows whose unload procedures close each other: each is marked
// closed before its procedure runs, so each unloads exactly once.
TEST(Registry, UnloadProceduresThatCloseEachOtherRunOnce) {
  Program program;
  program.registry.show("first");
  program.registry.show("second");
  for (const std::pair<std::string, std::string> pair :
       {std::pair{"first", "second"}, std::pair{"second", "first"}}) {
    program.panel(pair.first.c_str()).onUnload = [&program, pair] {
      program.journal.push_back("Unload " + pair.first);
      program.registry.close(pair.second);
    };
  }
  (void)program.take();
  program.registry.close("first");
  EXPECT_EQ(program.take(),
            (Journal{"Unload first", "Unload second", "closed second", "closed first", "ended"}));
}

TEST(Registry, WindowsAreKnownByTheirNamesAndMadeOnlyWhenAsked) {
  Program program;
  EXPECT_EQ(program.registry.names(), (std::vector<std::string>{"first", "second"}));
  EXPECT_TRUE(program.registry.known("second"));
  EXPECT_FALSE(program.registry.known("Second"));
  EXPECT_EQ(program.registry.existing("first"), nullptr);
  Panel &first = program.panel("first");
  EXPECT_EQ(program.registry.existing("first"), &first);
  EXPECT_FALSE(program.registry.isLoaded("first")) << "made for its variables only";
  EXPECT_TRUE(program.journal.empty());
  for (const char *unknown : {"third", ""}) {
    EXPECT_FALSE(program.registry.isLoaded(unknown));
    EXPECT_FALSE(program.registry.isOpen(unknown));
    EXPECT_EQ(program.registry.existing(unknown), nullptr);
    EXPECT_THROW((void)program.registry.instance(unknown), std::invalid_argument);
  }
  program.registry.load("first");
  EXPECT_TRUE(program.registry.isLoaded("first"));
  EXPECT_FALSE(program.registry.isOpen("first"));
}

// A procedure may let the toolkit run waiting events; without a toolkit
// there is nothing to run.
TEST_F(FormsTest, DoEventsHandsOverToTheToolkitWhenThereIsOne) {
  first().doEvents();
  program.registry.setPlatform(nullptr);
  first().doEvents();
  EXPECT_EQ(program.take(), (Journal{"events"}));
}

} // namespace
} // namespace vx::test
