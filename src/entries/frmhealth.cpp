#include "frmhealth.h"

#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/passwordstrength.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/vaultreport.h"
#include "app/windowkit.h"
#include "store/vaultkey.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QThread>
#include <cmath>

using namespace windowkit;

namespace {

constexpr int WindowWidth = 9600;
constexpr int PanelWidth = WindowWidth - 240;
constexpr int PanelHeight = 5100;
constexpr int WindowHeight = 1110 + PanelHeight + 120 + ButtonHeight + 120;

// The estimated guesses as a power of ten: "10^7.4".
QString guessesText(double guesses) {
    return QStringLiteral("10^%1").arg(std::log10(guesses), 0, 'f', 1);
}

} // namespace

// HealthModel --------------------------------------------------------------------------------

void HealthModel::setRows(QList<HealthRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    refilter();
    endResetModel();
}

void HealthModel::setFilter(bool weak, bool reused, bool old) {
    beginResetModel();
    weak_ = weak;
    reused_ = reused;
    old_ = old;
    refilter();
    endResetModel();
}

void HealthModel::refilter() {
    shown_.clear();
    const bool all = !weak_ && !reused_ && !old_;
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        const HealthRow& row = rows_[i];
        if (all || (weak_ && row.weak) || (reused_ && row.reused) || (old_ && row.old)) shown_ << i;
    }
}

void HealthModel::wipe() {
    beginResetModel();
    for (HealthRow& row : rows_) {
        wipeText(row.description);
        wipeText(row.category);
    }
    rows_.clear();
    shown_.clear();
    endResetModel();
}

std::optional<EntryKey> HealthModel::keyAt(int row) const {
    if (row < 0 || row >= shown_.size()) return std::nullopt;
    return rows_[shown_[row]].key;
}

int HealthModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown_.size());
}

int HealthModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HealthModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_.size()) return {};
    const HealthRow& row = rows_[shown_[index.row()]];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Entry:
            return row.description;
        case Category:
            return row.category;
        case Strength:
            return QStringLiteral("%1 (%2)").arg(scoreWords(row.score)).arg(row.score);
        case Guesses:
            return guessesText(row.guesses);
        case SharedWith:
            return row.sharedWith == 0 ? QString() : QString::number(row.sharedWith);
        case LastUpdated:
            return row.lastUpdate.isValid() ? row.lastUpdate.toString(QStringLiteral("MM/dd/yyyy"))
                                            : QString();
        }
    }
    // A problem's cell in bold, so it reads without colour too.
    if (role == Qt::FontRole &&
        ((index.column() == Strength && row.weak) || (index.column() == SharedWith && row.reused) ||
         (index.column() == LastUpdated && row.old))) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

QVariant HealthModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case Entry:
        return tr("Entry");
    case Category:
        return tr("Category");
    case Strength:
        return tr("Strength");
    case Guesses:
        return tr("Guesses");
    case SharedWith:
        return tr("Also used by");
    case LastUpdated:
        return tr("Last updated");
    }
    return {};
}

// frmHealth ----------------------------------------------------------------------------------

// What the worker shares with the window: the passwords going in, the rows coming out, and the
// request to stop.
struct frmHealth::Job {
    QList<PasswordRecord> records;
    std::optional<QList<HealthRow>> rows;
    std::atomic<bool> cancelled{false};
};

frmHealth::frmHealth() {
    setUpWindow(this, "frmHealth", tr("Password Health"));
    setModal(true);
    fixSize(this, WindowWidth, WindowHeight);

    Shape1 = topBand(this, WindowWidth);
    Picture2 = picture(this, "Picture2", QStringLiteral("banner"));
    place(Picture2, 120, 120, 3540, 750);

    Picture3 = panel(this, "Picture3");
    place(Picture3, 120, 1110, PanelWidth, PanelHeight);
    lblShow = label(Picture3, "lblShow", tr("Show only:"));
    place(lblShow, 150, 150, 1200, 255);
    chkWeak = named(new QCheckBox(tr("&Weak"), Picture3), "chkWeak");
    chkWeak->setToolTip(tr("Show only passwords that are easy to guess."));
    place(chkWeak, 1400, 150, 1300, 255);
    chkReused = named(new QCheckBox(tr("&Reused"), Picture3), "chkReused");
    chkReused->setToolTip(tr("Show only passwords that other entries use too."));
    place(chkReused, 2800, 150, 1300, 255);
    chkOld = named(new QCheckBox(tr("&Old"), Picture3), "chkOld");
    chkOld->setToolTip(tr("Show only passwords not changed for more than a year."));
    place(chkOld, 4200, 150, 1300, 255);

    model = new HealthModel(this);
    tblReport = named(new QTableView(Picture3), "tblReport");
    tblReport->setModel(model);
    tblReport->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblReport->setSelectionMode(QAbstractItemView::SingleSelection);
    tblReport->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblReport->verticalHeader()->hide();
    tblReport->setWordWrap(false);
    tblReport->setAccessibleName(tr("Password health"));
    tblReport->setToolTip(tr("Double-click a row to show its entry."));
    place(tblReport, 150, 510, PanelWidth - 300, 4000);
    // The description takes the room the other columns leave: theirs follow their texts, in any
    // font size and language.
    tblReport->horizontalHeader()->setStretchLastSection(false);
    tblReport->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblReport->horizontalHeader()->setSectionResizeMode(HealthModel::Entry, QHeaderView::Stretch);

    lblSummary = label(Picture3, "lblSummary", QString());
    place(lblSummary, 150, 4650, PanelWidth - 300 - 1500, 300);
    prgWork = named(new QProgressBar(Picture3), "prgWork");
    prgWork->setAccessibleName(tr("Rating passwords"));
    place(prgWork, 150, 4650, PanelWidth - 300 - 1500, 300);
    prgWork->hide();
    cmdCancel =
        captionButton(Picture3, "cmdCancel", tr("Cancel"), "cancel", 240, tr("Stop rating the passwords."));
    place(cmdCancel, PanelWidth - 150 - 1300, 4600, 1300, 400);
    cmdCancel->hide();

    cmdOpen = captionButton(this, "cmdOpen", tr("&Show entry"), "go", 240,
                            tr("Show the chosen row's entry in the main window."));
    place(cmdOpen, 120, 1110 + PanelHeight + 120, 1800, ButtonHeight);
    cmdClose = pictureButton(this, "cmdClose", "close", tr("Close the password health report."));
    place(cmdClose, WindowWidth - 120 - ButtonWidth, 1110 + PanelHeight + 120, ButtonWidth, ButtonHeight);
    tblReport->setFocus();

    const auto filter = [this] {
        model->setFilter(chkWeak->isChecked(), chkReused->isChecked(), chkOld->isChecked());
    };
    for (QCheckBox* box : {chkWeak, chkReused, chkOld})
        connect(box, &QCheckBox::toggled, this, filter);
    connect(tblReport, &QTableView::doubleClicked, this, [this] { cmdOpen_Click(); });
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

frmHealth::~frmHealth() {
    stopWork();
    model->wipe();
}

void frmHealth::Form_Load() {}

bool frmHealth::working() const {
    return worker_ != nullptr;
}

bool frmHealth::startReport() {
    stopWork();
    model->wipe();
    Result<QList<PasswordRecord>> records = store::passwordRecords();
    if (!records) {
        showVaultReport(records.code());
        return false;
    }
    job_ = std::make_shared<Job>();
    job_->records = std::move(*records);
    prgWork->setRange(0, int(job_->records.size()));
    prgWork->setValue(0);
    lblSummary->hide();
    prgWork->show();
    cmdCancel->show();
    // The window outlives the worker (closing waits for it); a progress call still queued when
    // the window goes is dropped with it.
    worker_ = QThread::create([job = job_, bar = prgWork, today = platform().now().date()] {
        job->rows = classifyPasswords(std::move(job->records), today, [&](qsizetype done) {
            if (done % 100 == 0)
                QMetaObject::invokeMethod(
                    bar, [bar, done] { bar->setValue(int(done)); }, Qt::QueuedConnection);
            return !job->cancelled.load();
        });
    });
    connect(worker_, &QThread::finished, this, [this] { finishReport(); });
    worker_->start(QThread::LowPriority);
    return true;
}

void frmHealth::finishReport() {
    if (!worker_) return;
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    prgWork->hide();
    cmdCancel->hide();
    lblSummary->show();
    const std::shared_ptr<Job> job = std::move(job_);
    if (!job->rows) {
        lblSummary->setText(tr("Stopped: nothing was rated."));
        return;
    }
    lblSummary->setText(healthSummary(*job->rows));
    model->setRows(std::move(*job->rows));
    if (model->rowCount() > 0) tblReport->selectRow(0);
}

void frmHealth::stopWork() {
    if (!worker_) return;
    job_->cancelled = true;
    // The worker stops after the password it is rating; its rows are dropped with the job.
    worker_->wait();
    finishReport();
}

void frmHealth::cmdCancel_Click() {
    stopWork();
}

// A row chosen: the main window shows its entry, under every category when the list was filtered,
// and the report closes.
void frmHealth::cmdOpen_Click() {
    const std::optional<EntryKey> key = model->keyAt(tblReport->currentIndex().row());
    if (!key) return;
    cmdClose_Click();
    MainWindowPort& main = mainWindow();
    main.showEntryOfAnyCategory(*key);
    main.focusEntryList();
}

void frmHealth::cmdClose_Click() {
    stopWork();
    model->wipe();
    unload<frmHealth>();
}

void frmHealth::reject() {
    cmdClose_Click();
}

// Enter shows the chosen entry wherever the focus is, but on a button (which takes it itself).
void frmHealth::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return cmdOpen_Click();
    QDialog::keyPressEvent(event);
}

void frmHealth::hideEvent(QHideEvent* event) {
    // Hidden by the program is closed (the lock hides what it unloads): nothing of the report
    // stays behind. A minimised window keeps it.
    if (!event->spontaneous()) {
        stopWork();
        model->wipe();
    }
    QDialog::hideEvent(event);
}
