#include "desktop/varga_view.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/chart_view.h"
#include "desktop/core_text.h"

namespace vela::desktop {

namespace {

constexpr int kNavamsaIndex = static_cast<int>(upagraha::kNavamsa);

// "D9 Navamsa" in the language.
QString VargaTitle(std::size_t varga, upagraha::Language language) {
    return QStringLiteral("D%1 %2")
        .arg(upagraha::kVargaDivisions[varga])
        .arg(ShowCoreText(upagraha::VargaName(varga, language)));
}

}  // namespace

VargaView::VargaView(QWidget* parent) : QWidget(parent) {
    vargaCombo = new QComboBox(this);
    vargaCombo->setObjectName(QStringLiteral("vargaCombo"));
    for (std::size_t v = 0; v < upagraha::kVargaCount; ++v) vargaCombo->addItem(VargaTitle(v, language));
    vargaCombo->setCurrentIndex(kNavamsaIndex);
    rasiCaption = new QLabel(this);
    rasiCaption->setAlignment(Qt::AlignCenter);
    vargaCaption = new QLabel(this);
    vargaCaption->setAlignment(Qt::AlignCenter);
    rasiView = new ChartView(this);
    rasiView->setObjectName(QStringLiteral("rasiChartView"));
    vargaView = new ChartView(this);
    vargaView->setObjectName(QStringLiteral("vargaChartView"));
    tableWidget = new QTableWidget(this);
    tableWidget->setObjectName(QStringLiteral("vargaTable"));
    tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableWidget->verticalHeader()->setVisible(false);

    auto* charts = new QGridLayout;
    charts->addWidget(rasiCaption, 0, 0);
    charts->addWidget(vargaCombo, 0, 1, Qt::AlignHCenter);
    charts->addWidget(rasiView, 1, 0);
    charts->addWidget(vargaView, 1, 1);
    // The charts and the table scroll where the tab is short (a small or highly scaled screen), so
    // the tab asks no more room of the window than the others do.
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addLayout(charts, 3);
    contentLayout->addWidget(vargaCaption);
    contentLayout->addWidget(tableWidget, 2);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("vargaScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    connect(vargaCombo, &QComboBox::currentIndexChanged, this, &VargaView::Redraw);
    Retranslate();
}

int VargaView::Division() const {
    return upagraha::kVargaDivisions[static_cast<std::size_t>(std::max(vargaCombo->currentIndex(), 0))];
}

void VargaView::SetDivision(int division) {
    if (const auto index = upagraha::VargaIndex(division)) vargaCombo->setCurrentIndex(static_cast<int>(*index));
}

const std::optional<reading::ChartModel>& VargaView::RasiChart() const { return rasiView->Model(); }

const std::optional<reading::ChartModel>& VargaView::VargaChart() const { return vargaView->Model(); }

void VargaView::ShowReading(const reading::Reading& s, const upagraha::Upagrahas& u, reading::ChartStyle chartStyle,
                            std::vector<std::string> lines, upagraha::Language shownLanguage) {
    shownReading = s;
    shownUpagrahas = u;
    style = chartStyle;
    centreLines = std::move(lines);
    language = shownLanguage;
    table = reading::BuildVargaTable(s, u, s.sky.has_value());

    QStringList columns{tr("Point")};
    for (const int d : upagraha::kVargaDivisions) columns << QStringLiteral("D%1").arg(d);
    columns << tr("Vargottama");
    tableWidget->clear();
    tableWidget->setColumnCount(static_cast<int>(columns.size()));
    tableWidget->setHorizontalHeaderLabels(columns);
    tableWidget->setRowCount(static_cast<int>(table->rows.size()));
    for (int r = 0; r < static_cast<int>(table->rows.size()); ++r) {
        const reading::VargaRow& row = table->rows[static_cast<std::size_t>(r)];
        tableWidget->setItem(r, 0, new QTableWidgetItem(ShowCoreText(reading::VargaPointName(row, language))));
        for (std::size_t v = 0; v < upagraha::kVargaCount; ++v) {
            auto* item = new QTableWidgetItem(ShowCoreText(upagraha::SignAbbreviation(row.places[v].sign, language)));
            item->setToolTip(ShowCoreText(upagraha::SignName(row.places[v].sign, language)) + QLatin1Char(' ') +
                             ShowCoreText(reading::VargaDegreesText(row.places[v].degrees)));
            tableWidget->setItem(r, static_cast<int>(v) + 1, item);
        }
        tableWidget->setItem(r, static_cast<int>(columns.size()) - 1,
                             new QTableWidgetItem(row.vargottama ? tr("yes") : QString()));
    }
    tableWidget->resizeColumnsToContents();
    for (std::size_t v = 0; v < upagraha::kVargaCount; ++v)
        vargaCombo->setItemText(static_cast<int>(v), VargaTitle(v, language));
    Redraw();
}

void VargaView::Redraw() {
    if (!shownReading) return;
    rasiView->SetModel(reading::BuildChartModel(style, *shownReading, shownUpagrahas, centreLines, language));
    const auto varga = reading::PlaceReadingInVarga(*shownReading, shownUpagrahas, Division());
    const std::size_t index = static_cast<std::size_t>(std::max(vargaCombo->currentIndex(), 0));
    vargaView->SetModel(reading::BuildChartModel(style, varga.reading, varga.upagrahas,
                                                 {std::string(upagraha::VargaName(index, language))}, language));
    rasiCaption->setText(VargaTitle(0, language));
    if (table) vargaCaption->setText(ShowCoreText(reading::VargaRulesText(table->rules, language)));
}

void VargaView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void VargaView::Retranslate() {
    vargaCombo->setToolTip(tr("The varga drawn beside the rasi chart"));
    if (shownReading) ShowReading(*shownReading, shownUpagrahas, style, centreLines, language);
}

}  // namespace vela::desktop
