#include "app/frmNumbers.h"

#include "app/ControlTips.h"
#include "base/AppInfo.h"
#include "base/Platform.h"
#include "drawdata/MatchCount.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

bool isMarkDigit(QChar c) {
    return c == u'0' || c == u'1' || c == u'2';
}
} // namespace

frmNumbers::frmNumbers(QWidget* parent)
    : QDialog(parent), m_text(new QLineEdit(this)),
      m_ok(new QPushButton(QStringLiteral("O K"), this)),
      m_cancel(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setObjectName(QStringLiteral("frmNumbers"));
    setWindowTitle(QStringLiteral(" 数値入力"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_text->setObjectName(QStringLiteral("txtNumber"));
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_text->setMaxLength(MatchCount);
    QFont font = m_text->font();
    font.setPointSize(14);
    font.setStyleHint(QFont::Monospace);
    m_text->setFont(font);
    m_text->installEventFilter(this);
    m_text->setToolTip(ControlTips::numbersText());
    m_cancel->setToolTip(QStringLiteral("シングルを追加せずに閉じます"));
    // O K is greyed until the nine marks are typed, and its tip says so.
    const auto allowOk = [this](const QString& text) {
        m_ok->setEnabled(text.size() == MatchCount);
        m_ok->setToolTip(ControlTips::numbersOk(m_ok->isEnabled()));
    };
    allowOk(QString());
    m_ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(m_text, &QLineEdit::textChanged, this, allowOk);
    connect(m_ok, &QPushButton::clicked, this, &frmNumbers::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmNumbers::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        const bool command =
            key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        // Only 0, 1, 2 and Backspace are typed; pasting stays possible and is checked on OK.
        if (!command && !typed.isEmpty() && typed.at(0).isPrint() &&
            !std::all_of(typed.cbegin(), typed.cend(), isMarkDigit))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmNumbers::onOk() {
    const QString text = m_text->text();
    if (text.size() != MatchCount) {
        Platform::current().showMessage(QStringLiteral("すべてのデータを入力して下さい"),
                                        AppInfo::title(), MessageIcon::Information);
        m_text->setFocus();
        return;
    }
    if (!std::all_of(text.cbegin(), text.cend(), isMarkDigit)) {
        Platform::current().showMessage(QStringLiteral("入力データが異常です。"), AppInfo::title(),
                                        MessageIcon::Warning);
        return;
    }
    m_answer = text;
    accept();
}

QString frmNumbers::ShowDialog(QWidget* owner) {
    frmNumbers dialog(owner);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.answer();
}
