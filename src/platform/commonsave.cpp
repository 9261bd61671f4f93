#include "platform/commonsave.h"

#include <QFileDialog>

namespace platform {

QStringList CommonSave::nameFilters() const
{
    const QStringList parts = m_filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters.append(
            QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' ')));
    }
    return filters;
}

bool CommonSave::showSave(QWidget *parent)
{
    const std::optional<QString> chosen = m_chooser ? m_chooser(*this) : chooseInDialog(parent);
    if (!chosen)
        return !m_cancelError;
    m_fileName = *chosen;
    return true;
}

std::optional<QString> CommonSave::chooseInDialog(QWidget *parent) const
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters());
    dialog.setDefaultSuffix(m_defaultExt);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(m_flags & OverwritePrompt));
    if (!m_fileName.isEmpty())
        dialog.selectFile(m_fileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

} // namespace platform
