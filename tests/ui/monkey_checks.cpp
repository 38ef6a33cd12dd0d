// What a user relies on after every event of the monkey: boxes, cells, bars, sliders and the
// case folder.
#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <iterator>

#include "core/case_file.h"
#include "core/failures.h"
#include "core/number_text.h"
#include "monkey.h"
#include "principal/percent_bar.h"
#include "principal/slider.h"

namespace tarnolo {

namespace {

const char* const kResultCells[] = {"sens", "esp", "CPP",         "CPN",
                                    "VPP",  "VPN", "PREVALENCIA", "prevap"};

// A number as the program writes it, with the separator of the regional settings then.
bool isNumber(const QString& text) {
  for (const char separator : {'.', ','}) {
    try {
      TextToReal(text.toStdString(), separator);
      return true;
    } catch (const Failure&) {
    }
  }
  return false;
}

// The names of entries that differ between two records of the folder.
QStringList changedNames(const FolderRecord& a, const FolderRecord& b) {
  QStringList names;
  for (const auto& [name, entry] : a) {
    auto it = b.find(name);
    if (it == b.end() || !(it->second == entry)) names << QString::fromStdString(name);
  }
  for (const auto& [name, entry] : b) {
    if (!a.count(name)) names << QString::fromStdString(name);
  }
  return names;
}

}  // namespace

void Monkey::checkAfter(const QString& event) {
  QVERIFY2(!QApplication::activeModalWidget(), "a modal box stayed open");
  const int height = m_session->view.clientHeight();
  QVERIFY2(height == kCompactHeight || height == kFullHeight,
           qPrintable(QStringLiteral("client height %1").arg(height)));
  checkBoxes(event);
  if (!QTest::currentTestFailed()) checkCells();
  if (!QTest::currentTestFailed()) checkFolder();
}

// At most the notice about VP, then at most one failure box of the program's own kinds; no
// other modal box but the About box when it was asked for.
void Monkey::checkBoxes(const QString& event) {
  static const QRegularExpression kFailure(
      "^(Floating point division by zero|Invalid floating point operation|"
      "Floating point overflow|Integer overflow|'.*' is not a valid integer value|"
      "File not found|Invalid filename|Too many open files|File access denied|"
      "Read beyond end of file|Disk full|I/O error \\d+)\\.$",
      QRegularExpression::DotMatchesEverythingOption);
  int notices = 0, failures = 0;
  m_dialogs += m_openRuns + m_saveRuns;
  m_aboutBoxes += int(m_modals.count(QStringLiteral("TAboutBox")));
  for (const Box& box : m_boxes) {
    (box.notice ? m_notices : m_failures) += 1;
    if (box.notice) {
      QVERIFY2(failures == 0 && notices == 0, "a notice after another box");
      QCOMPARE(box.text, QStringLiteral("El texto no es numérico"));
      ++notices;
    } else {
      QVERIFY2(kFailure.match(box.text).hasMatch(), qPrintable("failure box: " + box.text));
      QVERIFY2(++failures == 1, "two failure boxes for one event");
    }
  }
  const QStringList about{QStringLiteral("TAboutBox")};
  QCOMPARE(m_modals, event == "menu Acerca de" ? about : QStringList());
  QVERIFY2(m_openRuns + m_saveRuns <= 1, "more than one file dialog for one event");
}

// Result and limit cells hold nothing, "error", "*" or a number; a limit cell may also hold
// what the user typed into it. Bars within 0..100, shown sliders within 1..99.
void Monkey::checkCells() {
  std::vector<const char*> cells(std::begin(kResultCells), std::end(kResultCells));
  cells.insert(cells.end(), std::begin(kLimitCells), std::end(kLimitCells));
  for (const char* name : cells) {
    const QString text = static_cast<QLineEdit*>(control(name))->text();
    if (text.isEmpty() || text == "error" || text == "*") continue;
    if (m_typed.contains(name) && m_typed.value(name) == text) continue;
    QVERIFY2(isNumber(text), qPrintable(QStringLiteral("%1 shows %2").arg(name, text.left(60))));
  }
  for (const PercentBar* bar : m_session->window.findChildren<PercentBar*>())
    QVERIFY2(bar->progress() >= 0 && bar->progress() <= 100, qPrintable(bar->objectName()));
  for (const Slider* slider : m_session->window.findChildren<Slider*>()) {
    if (slider->isVisibleTo(&m_session->window))
      QVERIFY2(slider->value() >= 1 && slider->value() <= 99, qPrintable(slider->objectName()));
  }
}

// A file changes only by a Save without a failure box, and then holds the counts of the last
// calculation; an Open of a good file shows its counts, of any other file a failure box.
void Monkey::checkFolder() {
  const FolderRecord now = m_folder.record();
  FolderRecord expected = m_files;
  const bool failed =
      std::any_of(m_boxes.begin(), m_boxes.end(), [](const Box& b) { return !b.notice; });
  const std::string prefix = m_folder.path("");
  const auto nameIn = [&](const std::string& path) {
    return path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path;
  };
  if (m_saveRuns && !failed && !m_session->saveDialog1.fileName().empty()) {
    const std::string name = nameIn(m_session->saveDialog1.fileName());
    const CaseState& st = m_session->state();
    const RecordBytes bytes = encodeRecord({st.vp, st.fp, st.vn, st.fn});
    FolderEntry& saved = expected[name];
    saved.type = std::filesystem::file_type::regular;
    saved.bytes.assign(bytes.begin(), bytes.end());
    ++m_saved;
    if (auto it = now.find(name); it != now.end()) {
      saved.readable = it->second.readable;
      if (!m_files.count(name)) saved.mode = it->second.mode;  // a new file: the user's umask
    }
  }
  if (m_openRuns && !m_session->openDialog1.fileName().empty()) {
    const auto it = m_files.find(nameIn(m_session->openDialog1.fileName()));
    const bool good = it != m_files.end() &&
                      it->second.type == std::filesystem::file_type::regular &&
                      it->second.readable && it->second.bytes.size() >= kRecordSize;
    if (good) {
      RecordBytes bytes{};
      std::copy_n(it->second.bytes.begin(), kRecordSize, bytes.begin());
      const CaseRecord r = decodeRecord(bytes);
      ++m_opened;
      QCOMPARE(m_session->view.text("VP"), IntegerToText(r.vp));
      QCOMPARE(m_session->view.text("FN"), IntegerToText(r.fn));
    } else {
      // Refused with the failure of the file, before any count changed.
      static const QRegularExpression kFileFailure(
          "^(File not found|Invalid filename|Too many open files|File access denied|"
          "Read beyond end of file|I/O error \\d+)\\.$");
      QVERIFY2(m_boxes.size() == 1 && kFileFailure.match(m_boxes[0].text).hasMatch(),
               "an Open of a file that is no case file was not refused");
      QCOMPARE(countTexts(), m_countsBefore);
    }
  }
  QVERIFY2(now == expected, qPrintable("files changed: " + changedNames(now, expected).join(", ")));
  m_files = now;
  // A file of a kind that a Save replaced is made again, so that every kind stays in reach.
  if (m_saveRuns && !failed) {
    const std::string name = nameIn(m_session->saveDialog1.fileName());
    if (std::find(std::begin(CaseFolder::kNames), std::end(CaseFolder::kNames), name) !=
        std::end(CaseFolder::kNames)) {
      m_folder.make(name);
      m_files = m_folder.record();
    }
  }
}

}  // namespace tarnolo
