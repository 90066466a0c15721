#include "frmresource.h"

#include "app/colours.h"
#include "app/controls.h"
#include "app/forms.h"
#include "app/mainwindowport.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/twips.h"
#include "app/windowkit.h"
#include "breakdown.h"
#include "frmxfer.h"
#include "maincommands.h"
#include "store/wording.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTreeWidget>
#include <QValueAxis>
#include <cmath>

using namespace windowkit;

namespace {
constexpr int WindowWidth = 9600;
constexpr int WindowHeight = 7800;
} // namespace

frmResource::frmResource() {
    setUpWindow(this, "frmResource", tr("Category Breakdown"));
    fixSize(this, WindowWidth, WindowHeight);

    Picture1 = picture(this, "Picture1", QStringLiteral("banner"));
    place(Picture1, 120, 90, 3300, 700);
    Picture3 = picture(this, "Picture3", QStringLiteral("title_breakdown"));
    place(Picture3, 0, 390, 2745, 300);

    Picture2 = panel(this, "Picture2", QFrame::Sunken);
    place(Picture2, 120, 900, WindowWidth - 240, 5580);
    m1 = named(new QChartView(Picture2), "m1");
    m1->setToolTip(tr("Category breakdown graph."));
    m1->setAccessibleName(m1->toolTip());
    m1->viewport()->setAccessibleName(m1->toolTip()); // the drawing surface, which takes the focus
    m1->setRenderHint(QPainter::Antialiasing);
    m1->viewport()->installEventFilter(this);
    place(m1, 30, 30, WindowWidth - 300, 5520);
    List1 = named(new QTreeWidget(Picture2), "List1");
    List1->setRootIsDecorated(false);
    List1->setHeaderLabels({tr("Category"), tr("Entries")});
    List1->setToolTip(tr("Every category and its number of entries."));
    List1->setAccessibleName(tr("Categories"));
    place(List1, WindowWidth - 300 - 3000 + 30, 30, 3000, 5520);
    List1->hide();
    connect(List1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { m1_SeriesSelected(List1->indexOfTopLevelItem(item) + 1); });
    onEnterKey(List1, [this] {
        if (List1->currentItem()) m1_SeriesSelected(List1->indexOfTopLevelItem(List1->currentItem()) + 1);
    });

    Check1 = named(new QCheckBox(tr("&Jump to category when category is selected."), this), "Check1");
    Check1->setToolTip(tr("Enable to jump to selected category."));
    place(Check1, 120, 6600, 5400, 285);
    Label1 = label(this, "Label1", tr("No data point selected."));
    Label1->setToolTip(tr("Series information."));
    place(Label1, 120, 6960, 7300, 285);

    Command1 = pictureButton(this, "Command1", "transfer", tr("Click to perform a category transfer."));
    Command5 = pictureButton(this, "Command5", "close", tr("Click to close the category breakdown screen."));
    const int buttonTop = WindowHeight - ButtonHeight - 180;
    place(Command5, WindowWidth - 120 - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    place(Command1, WindowWidth - 120 - ButtonWidth - 675, buttonTop, ButtonWidth, ButtonHeight);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
}

frmResource::~frmResource() = default;

void frmResource::Form_Load() {
    keepAtRightEdgePixelGap(this, Picture3);
}

void frmResource::reject() {
    Command5_Click();
}

void frmResource::Command5_Click() {
    unload<frmResource>();
}

namespace {

// A colour of its own for each of many bars: hues a golden angle apart, alternately lighter and
// darker, all dark enough to stand out on white and to carry a black count above them.
QColor barColour(int index) {
    const int hue = int(std::lround(index * 137.508)) % 360;
    return QColor::fromHsv(hue, index % 2 ? 170 : 230, index % 3 == 2 ? 150 : 200);
}

} // namespace

void frmResource::fillChart(const QList<CategoryCount>& breakdown) {
    breakdown_ = breakdown;
    auto* chart = new QChart;
    // Under a dark palette the chart is dark as well, its labels light.
    if (colours::isDark()) chart->setTheme(QChart::ChartThemeDark);
    const QColor labelColour = colours::isDark() ? QColor(Qt::white) : QColor(Qt::black);
    chart->setTitle(tr("Category Breakdown"));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(twips::scaledPointSize(12));
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setAnimationOptions(QChart::NoAnimation);

    // One bar set per column, each with its count in its own column and nothing in the others:
    // stacked, every column shows exactly one bar under its category's name. The sets grow with
    // the square of the columns, so beyond MaxBars the smallest categories share the last one
    // (the list is fullest first) and the table lists every category.
    const int categories = int(breakdown_.size());
    grouped_ = categories > MaxBars;
    columns_ = grouped_ ? GroupedBars : categories;
    othersCount_ = 0;
    for (int j = GroupedBars; grouped_ && j <= categories; ++j)
        othersCount_ += breakdown_[j - 1].count;
    List1->clear();
    List1->setVisible(grouped_);
    place(m1, 30, 30, grouped_ ? WindowWidth - 300 - 3000 - 60 : WindowWidth - 300, 5520);
    if (grouped_) {
        QList<QTreeWidgetItem*> rows;
        rows.reserve(categories);
        for (const CategoryCount& category : breakdown_) {
            auto* row = new QTreeWidgetItem({category.name, QString::number(category.count)});
            row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            rows << row;
        }
        List1->addTopLevelItems(rows);
        List1->resizeColumnToContents(1);
    }
    auto* series = new QStackedBarSeries;
    QFont labelFont = font();
    labelFont.setPointSizeF(twips::scaledPointSize(10));
    long long highest = 0;
    QStringList names;
    for (int j = 1; j <= columns_; ++j) {
        const bool others = grouped_ && j == columns_;
        const QString name =
            others ? tr("%1 MORE").arg(categories - GroupedBars + 1) : breakdown_[j - 1].name;
        // The axis reads its labels as markup: a category name is escaped to show as typed.
        names << name.toHtmlEscaped();
        auto* set = new QBarSet(name);
        const long long count = others ? othersCount_ : breakdown_[j - 1].count;
        highest = std::max(highest, count);
        for (int column = 1; column <= columns_; ++column)
            *set << (column == j ? double(count) : 0.0);
        set->setColor(barColour(j - 1));
        set->setBorderColor(barColour(j - 1).darker(130));
        set->setLabelFont(labelFont);
        set->setLabelColor(labelColour);
        series->append(set);
    }
    series->setBarWidth(0.8);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    chart->addSeries(series);

    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(names.isEmpty() ? QStringList{QStringLiteral(" ")} : names);
    categoryAxis->setTitleText(tr("Category"));
    categoryAxis->setTruncateLabels(false);
    QFont nameFont = font();
    nameFont.setPointSizeF(twips::scaledPointSize(columns_ > 12 ? 7 : 8));
    categoryAxis->setLabelsFont(nameFont);
    if (columns_ > 6) categoryAxis->setLabelsAngle(-90);
    chart->addAxis(categoryAxis, Qt::AlignBottom);
    series->attachAxis(categoryAxis);
    auto* valueAxis = new QValueAxis;
    valueAxis->setTitleText(tr("Entries"));
    valueAxis->setLabelFormat(QStringLiteral("%d"));
    // Room above the tallest bar for its data label; whole-number ticks.
    const long long top = std::max<long long>(1, highest + std::max<long long>(1, highest / 8));
    valueAxis->setRange(0, double(top));
    valueAxis->setTickCount(int(std::min<long long>(top, 10)) + 1);
    valueAxis->applyNiceNumbers();
    chart->addAxis(valueAxis, Qt::AlignLeft);
    series->attachAxis(valueAxis);

    // The axis names every bar; a legend would drop names when there are many categories.
    chart->legend()->setVisible(false);

    QChart* old = m1->chart();
    m1->setChart(chart);
    delete old;
}

int frmResource::columnAt(QPoint viewPosition) const {
    QChart* chart = m1->chart();
    const QPointF inChart = chart->mapFromScene(m1->mapToScene(viewPosition));
    const QRectF plot = chart->plotArea();
    if (columns_ < 1 || inChart.x() < plot.left() || inChart.x() > plot.right() || inChart.y() < plot.top())
        return 0;
    const int column =
        std::clamp(int((inChart.x() - plot.left()) / plot.width() * columns_), 0, columns_ - 1) + 1;
    return grouped_ && column == columns_ ? OthersColumn : column;
}

bool frmResource::eventFilter(QObject* watched, QEvent* event) {
    // A click anywhere in a category's column (its bar, the room above it, its name below the
    // axis) selects it, so a category without entries can be selected too.
    if (watched == m1->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const int series = columnAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (series == OthersColumn) {
            Label1->setText(tr("The %1 smallest categories have %2 together; the table lists each.")
                                .arg(breakdown_.size() - GroupedBars + 1)
                                .arg(grouped(tr("%n entries", nullptr, int(othersCount_)), othersCount_)));
            return true;
        }
        if (series) {
            m1_SeriesSelected(series);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmResource::m1_SeriesSelected(int series) {
    if (series < 1 || series > breakdown_.size()) return;
    const CategoryCount category = breakdown_[series - 1];
    const QString& name = category.name;
    if (!Check1->isChecked()) {
        Label1->setText(
            tr("The %1 category has %2.")
                .arg(name, grouped(tr("%n entries", nullptr, int(category.count)), category.count)));
        return;
    }
    MainWindowPort& main = mainWindow();
    main.chooseFilter(name);
    unload<frmResource>();
    main.focusEntryList();
    if (main.entryCount() > 0) main.selectEntryRow(0);
}

void frmResource::Command1_Click() {
    frmXFer& transfer = form<frmXFer>();
    transfer.FillTransferLists();
    copyBanner(Picture1, transfer.Picture1);
    platform().showModal(transfer);
}

void BuildCategoryBreakdown() {
    const std::optional<QList<CategoryCount>> breakdown = CountCategoryBreakdown();
    if (!breakdown) return;
    frmResource& window = form<frmResource>();
    window.fillChart(*breakdown);
    copyBanner(mainWindow().banner(), window.Picture1);
    platform().showModal(window);
}
