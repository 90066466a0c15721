#pragma once

#include "store/records.h"

#include <QDialog>

class QChartView;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class PictureBox;

// The category breakdown: a bar chart of the number of entries in each category.
class frmResource final : public QDialog {
    Q_OBJECT
public:
    frmResource();
    ~frmResource() override;
    Q_DISABLE_COPY_MOVE(frmResource)

    PictureBox* Picture1;  // banner, copied from the main window's
    PictureBox* Picture3;  // title picture
    QFrame* Picture2;      // frame around the chart
    QChartView* m1;        // the chart: one bar set per category, so a bar's series number is its index
    QTreeWidget* List1;    // every category and its count, beside a chart that groups the smallest
    QLabel* Label1;        // the selected bar's count
    QCheckBox* Check1;     // "&Jump to category when category is selected."
    QPushButton* Command1; // category transfer
    QPushButton* Command5; // close

    void Form_Load();
    // A bar (or its legend entry) selected: series is its category's place in the breakdown, from 1.
    void m1_SeriesSelected(int series);
    void Command1_Click(); // transfer
    void Command5_Click(); // close

    // Puts the breakdown (every category and its count, fullest first) into the chart.
    void fillChart(const QList<CategoryCount>& breakdown);
    // The breakdown the chart shows.
    const QList<CategoryCount>& breakdown() const { return breakdown_; }

    void reject() override;

    // The breakdown place (from 1) of the category whose column holds a point of the chart view, 0 for
    // none, OthersColumn for the column of the grouped smallest categories.
    int columnAt(QPoint viewPosition) const;

    // Most columns the chart draws: with more categories, the chart narrows to make room for
    // the table that lists them all, draws GroupedBars columns, and the smallest categories
    // share the last one.
    static constexpr int MaxBars = 30;
    static constexpr int GroupedBars = 20;
    static constexpr int OthersColumn = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<CategoryCount> breakdown_;
    int columns_ = 0;           // columns drawn
    bool grouped_ = false;      // the last column holds the smallest categories
    long long othersCount_ = 0; // their entries
};
