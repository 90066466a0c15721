#pragma once

#include "healthreport.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <atomic>
#include <memory>

class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QThread;
class PictureBox;

// The report's rows as a table: entry, category, strength, guesses, shared with, last updated.
// Only rows with one of the chosen problems are shown; with none chosen, every row.
class HealthModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Entry, Category, Strength, Guesses, SharedWith, LastUpdated, ColumnCount };
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<HealthRow> rows);
    // Shows the rows that are weak, reused or old as chosen.
    void setFilter(bool weak, bool reused, bool old);
    // Empties the report, overwriting its texts.
    void wipe();

    const QList<HealthRow>& rows() const { return rows_; }
    std::optional<EntryKey> keyAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void refilter();
    QList<HealthRow> rows_;
    QList<qsizetype> shown_; // indexes into rows_, in order
    bool weak_ = false;
    bool reused_ = false;
    bool old_ = false;
};

// The password health report: every password's strength, reuse and age, worst first. The
// passwords are rated on a worker thread; the window never holds one.
class frmHealth final : public QDialog {
    Q_OBJECT
public:
    frmHealth();
    ~frmHealth() override;
    Q_DISABLE_COPY_MOVE(frmHealth)

    QFrame* Shape1;         // header band behind the banner
    PictureBox* Picture2;   // banner: the main window's logo
    QFrame* Picture3;       // panel of the report
    QLabel* lblShow;        // "Show only:"
    QCheckBox* chkWeak;     // weak passwords only
    QCheckBox* chkReused;   // reused passwords only
    QCheckBox* chkOld;      // passwords not changed for a year only
    QTableView* tblReport;  // the report, worst first
    QLabel* lblSummary;     // "N passwords: W weak, R reused, O old."
    QProgressBar* prgWork;  // how many passwords are rated, while the work runs
    QPushButton* cmdCancel; // stops the work
    QPushButton* cmdOpen;   // shows the chosen row's entry in the main window (Enter, double-click)
    QPushButton* cmdClose;  // closes the window (Esc)
    HealthModel* model;

    void Form_Load();
    // Reads every password and starts rating them on the worker thread; false after the vault
    // error report when they cannot be read.
    bool startReport();
    // Whether the worker is rating.
    bool working() const;
    void cmdCancel_Click();
    void cmdOpen_Click();
    void cmdClose_Click();
    void reject() override;

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Job;
    void finishReport();
    void stopWork();
    std::shared_ptr<Job> job_;
    QThread* worker_ = nullptr;
};
