// The Fagan nomogram: its rows and CSV, and its three scales on one straight line.
#include "core/fagan.h"

#include <gtest/gtest.h>

#include <string>

#include "core/predictive_curve.h"
#include "core/report_text.h"
#include "session_helpers.h"

namespace tarnolo {
namespace {

using test::table;
using M = IntervalMethod;

const ReportRow& row(const std::vector<ReportRow>& rows, std::string_view key) {
  for (const ReportRow& r : rows)
    if (r.key == key) return r;
  ADD_FAILURE() << "no row " << key;
  return rows.front();
}

TEST(NomogramRows, KeysInOrderThePostTestProbabilitiesAndTheCsv) {
  // sens 0.9 and esp 0.91: CP+ 10, the published check's ratio, at 25 %.
  const Report report = buildReport(table(90, 9, 10, 91), M::Wilson, 95);
  const auto rows = nomogramRows(report, 0.25);
  ASSERT_EQ(rows.size(), 5u);
  const char* keys[] = {"pre", "cpp", "post_pos", "rv_neg", "post_neg"};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(rows[i].key, keys[i]);
  EXPECT_EQ(row(rows, "pre").estimate.value, 0.25);
  EXPECT_NEAR(row(rows, "cpp").estimate.value, 10, 1e-12);
  EXPECT_NEAR(row(rows, "post_pos").estimate.value, 10.0 / 13, 1e-12);  // 76.9 %
  const ReportRow& post = row(rows, "post_pos");
  EXPECT_LT(post.limits.lower.value, post.estimate.value);
  EXPECT_GT(post.limits.upper.value, post.estimate.value);
  // After a negative result: 1 - VPN at that prevalence.
  const CurvePoint at = curvePoint(report, 0.25);
  EXPECT_NEAR(row(rows, "post_neg").estimate.value, 1 - at.vpn.value, 1e-15);
  EXPECT_NEAR(row(rows, "post_neg").limits.lower.value, 1 - at.vpnLimits.upper.value, 1e-15);
  EXPECT_NEAR(row(rows, "post_neg").limits.upper.value, 1 - at.vpnLimits.lower.value, 1e-15);
  // The same rows as CSV, in the report's layout.
  const std::string csv = nomogramCsv(report, 0.25, ',');
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "clave;estimación;inferior IC 95 % Wilson;superior IC 95 % Wilson;motivo");
  EXPECT_NE(csv.find("\r\npre;0,25;;;\r\n"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\npost_pos;0,769230769230"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\nrv_neg;"), std::string::npos);
  EXPECT_NE(csv.find("\r\npost_neg;"), std::string::npos);
}

struct ZeroCase {
  const char* name;
  int vp, fp, fn, vn;
  bool postPos, postPosLimits, postNeg, postNegLimits;
  const char* postPosNote;
};

const ZeroCase kZeroCells[] = {
    {"all filled", 6, 3, 1, 10, true, true, true, true, ""},
    {"especificidad 1", 6, 0, 1, 10, false, false, true, true, "CP+ no definida: FP = 0"},
    {"no true negatives", 6, 3, 1, 0, true, true, false, false, ""},
    {"sensibilidad 0", 0, 3, 7, 10, true, false, true, true, "sin límite de CP+"},
    {"n = 1", 1, 0, 0, 0, false, false, false, false, "CP+ no definida"},
};

TEST(NomogramRows, ZeroCellsLeaveWhatIsUndefinedEmptyWithAReason) {
  for (const auto& c : kZeroCells) {
    SCOPED_TRACE(c.name);
    const auto rows = nomogramRows(buildReport(table(c.vp, c.fp, c.fn, c.vn), M::Wilson, 95), 0.3);
    const ReportRow &pos = row(rows, "post_pos"), &neg = row(rows, "post_neg");
    EXPECT_EQ(pos.estimate.defined(), c.postPos);
    EXPECT_EQ(pos.limits.lower.defined() && pos.limits.upper.defined(), c.postPosLimits);
    EXPECT_EQ(neg.estimate.defined(), c.postNeg);
    EXPECT_EQ(neg.limits.lower.defined() && neg.limits.upper.defined(), c.postNegLimits);
    EXPECT_EQ(pos.limits.note.substr(0, std::string(c.postPosNote).size()), c.postPosNote);
    if (!c.postNeg) {
      EXPECT_FALSE(neg.limits.note.empty());
    }
  }
}

TEST(NomogramLayout, ScalesInTheirPlaces) {
  const NomogramLayout layout = nomogramLayout(100, 20, 400, 600);
  EXPECT_EQ(layout.middleX, 300);
  EXPECT_NEAR(layout.pre.position(0.001), 20, 1e-9);  // pre-test grows downwards
  EXPECT_NEAR(layout.pre.position(0.999), 620, 1e-9);
  EXPECT_NEAR(layout.post.position(0.999), 20, 1e-9);  // post-test upwards
  EXPECT_NEAR(layout.ratio.position(1), 320, 1e-9);    // ratio 1 in the middle
  EXPECT_LT(layout.ratio.position(1000), layout.ratio.position(1));
  EXPECT_GT(layout.ratio.position(1000), 20);
}

TEST(NomogramLine, OneStraightLineThroughTheThreeValues) {
  const NomogramLayout layout = nomogramLayout(0, 0, 300, 500);
  for (const double pre : {0.001, 0.01, 0.25, 0.5, 0.9, 0.999}) {
    for (const double ratio : {0.001, 0.1, 0.5, 1.0, 10.0, 1000.0}) {
      SCOPED_TRACE(testing::Message() << pre << " through " << ratio);
      const Segment line = nomogramLine(layout, pre, ratio);
      EXPECT_NEAR(line.y1, layout.pre.position(pre), 1e-9);
      // The ratio's point is on the line halfway, and the line ends at the post-test value.
      EXPECT_NEAR((line.y1 + line.y2) / 2, layout.ratio.position(ratio), 1e-9);
      const double post = postTestProbability(pre, ReportValue::of(ratio)).value;
      if (post > 0.001 && post < 0.999) {
        EXPECT_NEAR(line.y2, layout.post.position(post), 1e-6);
      }
    }
  }
  // The published check: 25 % through 10 reads 76.9 % on the right scale.
  const Segment check = nomogramLine(layout, 0.25, 10);
  EXPECT_NEAR(layout.post.value(check.y2), 0.769230769, 1e-8);
}

}  // namespace
}  // namespace tarnolo
