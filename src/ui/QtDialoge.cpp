#include "ui/QtDialoge.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>

QString QtDialoge::qtFilter(const QString& filter) {
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList filter2;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        const QString& text = teile[i];
        const QString muster = QString(teile[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        filter2 << (text.contains(QLatin1Char('('))
                        ? text
                        : text + QStringLiteral(" (") + muster + QLatin1Char(')'));
    }
    return filter2.join(QStringLiteral(";;"));
}

void QtDialoge::meldung(const QString& text, const QString& titel) {
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::Ok, m_eltern);
    box.exec();
}

bool QtDialoge::frage(const QString& text, const QString& titel) {
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, m_eltern);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == ja;
}

std::optional<QString> QtDialoge::eingabe(const QString& text, const QString& titel,
                                          const QString& vorgabe) {
    bool ok = false;
    const QString wert =
        QInputDialog::getText(m_eltern, titel, text, QLineEdit::Normal, vorgabe, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return wert;
}

std::optional<QString> QtDialoge::dateiOeffnen(const QString& titel, const QString& dateiname,
                                               const QString& filter, const QString& startordner) {
    const QString start =
        dateiname.contains(QLatin1Char('*')) ? startordner : QDir(startordner).filePath(dateiname);
    const QString pfad = QFileDialog::getOpenFileName(m_eltern, titel, start, qtFilter(filter));
    if (pfad.isEmpty()) {
        return std::nullopt;
    }
    return pfad;
}

std::optional<QString> QtDialoge::dateiSpeichern(const QString& titel, const QString& dateiname,
                                                 const QString& filter,
                                                 const QString& startordner) {
    const QString pfad = QFileDialog::getSaveFileName(
        m_eltern, titel, QDir(startordner).filePath(dateiname), qtFilter(filter));
    if (pfad.isEmpty()) {
        return std::nullopt;
    }
    return pfad;
}

std::optional<QString> QtDialoge::ordnerWaehlen(const QString& titel, const QString& startordner) {
    const QString pfad = QFileDialog::getExistingDirectory(m_eltern, titel, startordner);
    if (pfad.isEmpty()) {
        return std::nullopt;
    }
    return pfad;
}

void StilleDialoge::meldung(const QString& text, const QString& titel) {
    QTextStream(stderr) << (titel.isEmpty() ? QString() : titel + QStringLiteral(": ")) << text
                        << '\n';
}

bool StilleDialoge::frage(const QString& text, const QString& titel) {
    meldung(text + QStringLiteral(" (Nein)"), titel);
    return false;
}
