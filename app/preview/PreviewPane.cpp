#include "PreviewPane.h"

#include "FindingsList.h"
#include "ModuleDiff.h"
#include "viewer/VbHighlighter.h"

#include "generator/Generator.h"
#include "generator/ModuleOutput.h"
#include "model/Class.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

// Long enough to merge the keystrokes of a word, short enough to feel immediate.
constexpr int kPauseMs = 80;

std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

PreviewPane::PreviewPane(Source source, Target target, QWidget* parent)
    : QWidget(parent), m_source(std::move(source)), m_target(std::move(target)),
      m_code(new QPlainTextEdit(this)), m_findingsList(new FindingsList(this)),
      m_fileState(new QLabel(this)),
      m_diffButton(new QPushButton(QStringLiteral("&Vergleichen"), this)) {
    setObjectName(QStringLiteral("pnl_Preview"));
    m_code->setObjectName(QStringLiteral("txt_Preview"));
    m_code->setReadOnly(true);
    m_code->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_code->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_highlighter = new VbHighlighter(m_code->document(), palette());
    m_fileState->setObjectName(QStringLiteral("lbl_FileState"));
    // A long module path is cut off rather than pushing the button out of the pane; the tool
    // tip holds the whole text.
    m_fileState->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_diffButton->setObjectName(QStringLiteral("but_Diff"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileState, 1);
    fileRow->addWidget(m_diffButton);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_code);
    splitter->addWidget(m_findingsList);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fileRow);
    layout->addWidget(splitter, 1);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kPauseMs);
    connect(&m_timer, &QTimer::timeout, this, &PreviewPane::refreshNow);
    connect(m_diffButton, &QPushButton::clicked, this, &PreviewPane::showDiff);
    connect(m_findingsList, &FindingsList::findingActivated, this, &PreviewPane::findingActivated);
}

void PreviewPane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        m_highlighter->usePalette(palette());
    QWidget::changeEvent(event);
}

void PreviewPane::scheduleRefresh() {
    m_timer.start();
}

// The generator fails only on a broken core; then the old text stays and the error shows.
void PreviewPane::refreshNow() {
    m_timer.stop();
    cls_Class& tpl = m_source();
    m_findings = gen::checkTemplate(tpl);
    m_findingsList->showFindings(m_findings);
    try {
        showModuleText(gen::hCompile(tpl, true));
    } catch (const std::exception& error) {
        m_fileState->setText(QString::fromLocal8Bit(error.what()));
        m_fileState->setToolTip(m_fileState->text());
    }
    showFileState(tpl);
    emit refreshed();
}

// Keeps the reader where they were: the text is only replaced when it changed, and the
// scroll position is put back afterwards.
void PreviewPane::showModuleText(const QString& text) {
    if (text == m_moduleText)
        return;
    m_moduleText = text;
    const int vertical = m_code->verticalScrollBar()->value();
    const int horizontal = m_code->horizontalScrollBar()->value();
    m_code->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_code->verticalScrollBar()->setValue(vertical);
    m_code->horizontalScrollBar()->setValue(horizontal);
}

void PreviewPane::showFileState(const cls_Class& tpl) {
    m_compiledPath = m_target(tpl);
    const std::optional<QByteArray> existing = fileBytes(m_compiledPath);
    m_diffButton->setEnabled(existing.has_value());
    if (!existing)
        m_fileState->setText(m_compiledPath.isEmpty()
                                 ? QStringLiteral("Noch nicht in eine Datei erzeugt.")
                                 : QStringLiteral("Moduldatei fehlt: %1").arg(m_compiledPath));
    else if (*existing == gen::encodeModule(m_moduleText).bytes)
        m_fileState->setText(QStringLiteral("Moduldatei ist aktuell: %1").arg(m_compiledPath));
    else
        m_fileState->setText(QStringLiteral("Moduldatei ist veraltet: %1").arg(m_compiledPath));
    m_fileState->setToolTip(m_fileState->text());
}

ModuleDiff* PreviewPane::diffView() const {
    return m_diff;
}

void PreviewPane::showDiff() {
    const std::optional<QByteArray> existing = fileBytes(m_compiledPath);
    if (!existing)
        return;
    if (!m_diff)
        m_diff = new ModuleDiff(this);
    m_diff->showDiff(m_compiledPath, gen::decodeModule(*existing), m_moduleText);
}
