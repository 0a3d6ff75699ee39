// A class's grades as static web pages a teacher can print or hand back: an overview (index.html,
// one row per student, one column per check, the class's totals) and one feedback page per
// student that says in plain words which checks failed and what was found instead; the integrity
// hints are in the overview only, never on a student's page. The pages carry their own simple
// stylesheet and link only to each other, so the folder opens anywhere.
#pragma once

#include <string>
#include <vector>

#include "lab/grading.h"

namespace zorva {

struct ReportPage {
  std::string file;  // the page's file name in the report folder
  std::string html;
};

// The overview first, then one feedback page per row, in the order of `rows`.
std::vector<ReportPage> grade_report(const std::vector<GradeRow>& rows,
                                     const std::vector<Check>& checks,
                                     const std::vector<NotGraded>& others,
                                     const std::string& check_file);

// What a check asks for, as a sentence a student understands ("Router 1 should get replies when
// it pings 10.1.1.2."). A secret check never names the secret.
std::string check_in_words(const Check& c);

}  // namespace zorva
