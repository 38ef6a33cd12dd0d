// Confidence limits of the eight indices.
#include "core/confidence.h"

#include "core/arithmetic.h"
#include "core/control_names.h"
#include "core/failures.h"
#include "core/number_text.h"

namespace tarnolo {

namespace {

using namespace names;

struct ProportionBlock {
  double CaseState::*p;
  int32_t CaseState::*n;
  double CaseState::*lower;
  double CaseState::*upper;
  std::string_view lowerCell, upperCell;
};

// A ratio block: dividend / (1 - subtrahend) into one limit.
struct RatioBlock {
  double CaseState::*dividend;
  double CaseState::*subtrahend;
  double CaseState::*limit;
  std::string_view cell;
};

void proportionBlock(CaseState& s, View& view, const ProportionBlock& b) {
  const char sep = view.separator();
  try {
    const double p = s.*b.p;
    const double h = waldCcHalfWidth(p, s.*b.n, s.zAlfa);
    s.*b.lower = store(static_cast<Ext>(p) - h);
    view.setText(b.lowerCell, s.*b.lower >= 0 ? RealToText(percent(s.*b.lower), sep) : "*");
    s.*b.upper = store(static_cast<Ext>(p) + h);
    view.setText(b.upperCell, s.*b.upper > 1 ? "*" : RealToText(percent(s.*b.upper), sep));
  } catch (const Failure& failure) {
    if (failure.kind() != FailureKind::ZeroDivide) throw;
    view.setText(b.lowerCell, "error");
    view.setText(b.upperCell, "error");
  }
}

void ratioBlock(CaseState& s, View& view, const RatioBlock& b) {
  try {
    s.*b.limit = store(divide(s.*b.dividend, 1 - static_cast<Ext>(s.*b.subtrahend)));
    view.setText(b.cell, s.*b.limit >= 0 ? RealToText(s.*b.limit, view.separator()) : "*");
  } catch (const Failure& failure) {
    if (failure.kind() != FailureKind::ZeroDivide) throw;
    view.setText(b.cell, "*");
  }
}

using S = CaseState;
constexpr ProportionBlock kSensBlock{&S::sens,   &S::enfermos, &S::sensLi,
                                     &S::sensLs, kSensli,      kSensls};
constexpr ProportionBlock kEspBlock{&S::esp, &S::sanos, &S::espLi, &S::espLs, kEspli, kEspls};
constexpr RatioBlock kRatioBlocks[] = {
    {&S::sensLi, &S::espLi, &S::cppLi, kCppli},
    {&S::sensLs, &S::espLs, &S::cppLs, kCppls},
    {&S::espLi, &S::sensLi, &S::cpnLi, kCpnli},
    {&S::espLs, &S::sensLs, &S::cpnLs, kCpnls},
};
constexpr ProportionBlock kLaterBlocks[] = {
    {&S::vpp, &S::positivos, &S::vppLi, &S::vppLs, kVppli, kVppls},
    {&S::vpn, &S::negativos, &S::vpnLi, &S::vpnLs, kVpnli, kVpnls},
    {&S::prev, &S::total, &S::prevLi, &S::prevLs, kPrevli, kPrevls},
    {&S::prevap, &S::total, &S::prevapLi, &S::prevapLs, kPrevapli, kPrevapls},
};

constexpr std::string_view kLimitControls[] = {
    kSensli,   kSensls, kEspli,  kEspls, kCppli, kCppls, kCpnli, kCpnls, kPrevapli,
    kPrevapls, kPrevli, kPrevls, kVppli, kVppls, kVpnli, kVpnls, kZalfa};

}  // namespace

double waldCcHalfWidth(Ext p, int64_t n, double zAlfa) {
  const Ext q = divide((1 - p) * p, static_cast<Ext>(n));
  const Ext r = squareRoot(q) * zAlfa;
  const Ext c = divide(1, static_cast<Ext>(2 * n));  // 2n exact: the correction stays 1/(2n)
  return store(r + c);
}

void CalcularIC(CaseState& state, View& view) {
  if (view.itemIndex(kZalfa) == -1) {
    // The first calculation chooses 95 %; the level's handler would only compute all again.
    state.zAlfa = kZ95;
    view.setItemIndex(kZalfa, 0, View::Handler::Skip);
  }
  proportionBlock(state, view, kSensBlock);
  proportionBlock(state, view, kEspBlock);
  for (const auto& block : kRatioBlocks) ratioBlock(state, view, block);
  for (const auto& block : kLaterBlocks) proportionBlock(state, view, block);
}

void ZalfaClick(CaseState& state, View& view) {
  state.zAlfa = view.itemIndex(kZalfa) == 0 ? kZ95 : kZ99;
  CalcularIC(state, view);
}

void icClick(CaseState& state, View& view) {
  state.ciVisible = !state.ciVisible;
  for (auto control : kLimitControls) view.setVisible(control, state.ciVisible);
}

}  // namespace tarnolo
