#include "recommend/u_juzheng.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>

#include "widgets/text_table_model.h"
#include "widgets/dialogs.h"
#include "store/text_files.h"

using namespace Qt::StringLiterals;

namespace pickora::ui {

namespace {

constexpr int kBoxes = 21;
constexpr int kPanelWidth = 362;

QStringList numberItems(int from, int to)
{
    QStringList items;
    for (int n = from; n <= to; ++n)
        items << QString::number(n);
    return items;
}

QString fromStd(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString twoDigits(int n) { return QString::asprintf("%.2d", n); }

} // namespace

Tfrmjuzheng::Tfrmjuzheng(ProgramFolder folder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), folder_(std::move(folder))
{
    setObjectName(u"Tfrmjuzheng"_s);
    setWindowTitle(u"旋转矩阵组号缩水"_s);

    lblcode = new QLabel(u"投注号码："_s, this);
    lblcode->setObjectName(u"lblcode"_s);
    model_ = new TextTableModel(this);
    tabcode = new QTableView(this);
    tabcode->setObjectName(u"tabcode"_s);
    tabcode->setModel(model_);
    styleAnalysisGrid(tabcode);
    model_->setFirstColumnFixed(true);

    QStringList kinds;
    for (int n = 1; n <= 7; ++n)
        kinds << u"选"_s + QString::number(n) + u"型"_s;
    comcainum = addList("comcainum", "lblcainum", u"彩票类型："_s, kinds, 5);
    commainnum = addList("commainnum", "lblmainnum", u"基本号码个数："_s, numberItems(1, 21), 9);
    comoknum = addList("comoknum", "lbloknum", u"选对号码数："_s, numberItems(1, 8), 5);
    comdannum = addList("comdannum", "lbldannum", u"胆号码个数："_s, numberItems(0, 2), 0);
    combaonum = addList("combaonum", "lblbaonum", u"保中号码数："_s, numberItems(1, 8), 4);
    comdannum->setEnabled(false);
    lbljushu = new QLabel(u"矩阵注数："_s, this);
    lbljushu->setObjectName(u"lbljushu"_s);
    labels_ << lbljushu;
    edtjushu = new QLineEdit(this);
    edtjushu->setObjectName(u"edtjushu"_s);
    edtjushu->setReadOnly(true);

    optjutype = new QGroupBox(u"矩阵类型："_s, this);
    optjutype->setObjectName(u"optjutype"_s);
    jutypeButtons = new QButtonGroup(optjutype);
    auto* kindRow = new QHBoxLayout(optjutype);
    kindRow->setContentsMargins(8, 2, 8, 2);
    for (const QString& caption : {u"平衡式"_s, u"胆拖式"_s}) {
        auto* button = new QRadioButton(caption, optjutype);
        jutypeButtons->addButton(button, jutypeButtons->buttons().size());
        kindRow->addWidget(button);
    }
    jutypeButtons->button(0)->setChecked(true);

    grphao = new QGroupBox(u"请在下面框中输入你要包的号码："_s, this);
    grphao->setObjectName(u"grphao"_s);
    lblhint = new QLabel(u"白色代表基本号码，红色代表胆码"_s, this);
    lblhint->setObjectName(u"lblhint"_s);

    const auto addButton = [this](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1StringView(name));
        return button;
    };
    btngen = addButton("btngen", u"开始缩水"_s);
    btnsave = addButton("btnsave", u"保存"_s);
    btnprint = addButton("btnprint", u"打印"_s);
    btnclose = addButton("btnclose", u"关闭"_s);
    btngen->setDefault(true);
    btngen->setAutoDefault(true);

    connect(jutypeButtons, &QButtonGroup::idClicked, this, &Tfrmjuzheng::optjutypeClick);
    connect(commainnum, &QComboBox::currentIndexChanged, this, &Tfrmjuzheng::commainnumChange);
    connect(comdannum, &QComboBox::currentIndexChanged, this, &Tfrmjuzheng::comdannumChange);
    connect(btngen, &QPushButton::clicked, this, &Tfrmjuzheng::btngenClick);
    connect(btnsave, &QPushButton::clicked, this, &Tfrmjuzheng::btnsaveClick);
    connect(btnprint, &QPushButton::clicked, this, &Tfrmjuzheng::btnprintClick);
    connect(btnclose, &QPushButton::clicked, this, &Tfrmjuzheng::btncloseClick);

    resize(737, 563);
    FormCreate();
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QComboBox* Tfrmjuzheng::addList(const char* name, const char* labelName, const QString& label,
                                 const QStringList& items, int current)
{
    auto* caption = new QLabel(label, this);
    caption->setObjectName(QLatin1StringView(labelName));
    labels_ << caption;
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1StringView(name));
    list->addItems(items);
    list->setCurrentIndex(current);
    return list;
}

void Tfrmjuzheng::FormCreate()
{
    for (int e = 1; e <= kBoxes; ++e) {
        auto* box = new QLineEdit(grphao);
        box->setObjectName(u"edtnum%1"_s.arg(e));
        box->setAlignment(Qt::AlignCenter);
        box->installEventFilter(this);
        boxes_ << box;
    }
    placeControls();
    recolourBoxes();
}

void Tfrmjuzheng::placeControls()
{
    const int x0 = width() - kPanelWidth - 8;
    lblcode->setGeometry(8, 6, x0 - 16, 20);
    tabcode->setGeometry(8, 28, x0 - 16, height() - 36);
    // Two columns of settings, each a label and its list; labels_ is in the same order.
    const QList<QWidget*> fields = {comcainum, commainnum, comoknum, comdannum, combaonum, edtjushu};
    for (int i = 0; i < fields.size(); ++i) {
        const int x = x0 + (i % 2) * 186;
        const int y = 10 + (i / 2) * 32;
        labels_[i]->setGeometry(x, y, 100, 24);
        fields[i]->setGeometry(x + 100, y, 76, 24);
    }
    optjutype->setGeometry(x0, 106, kPanelWidth, 48);
    grphao->setGeometry(x0, 162, kPanelWidth, 210);
    lblhint->setGeometry(x0, 378, kPanelWidth, 20);
    const QList<QPushButton*> buttons = {btngen, btnsave, btnprint, btnclose};
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setGeometry(x0 + i * 92, 410, 86, 30);
    placeNumberBoxes();
    applyColumnWidths();
}

void Tfrmjuzheng::placeNumberBoxes()
{
    const int frameWidth = grphao->width();
    const int frameHeight = grphao->height();
    for (int i = 0; i < boxes_.size(); ++i) {
        const int x = i % 7;
        const int y = i / 7;
        boxes_[i]->setGeometry(x * (frameWidth - 12) / 7 + 7, y * (frameHeight - 15) / 3 + 15,
                               (frameWidth - 12) / 7 - 5, (frameHeight - 15) / 3 - 5);
    }
}

WheelSettings Tfrmjuzheng::settings() const
{
    WheelSettings s;
    s.kind = jutypeButtons->checkedId() == 1 ? WheelKind::Banker : WheelKind::Balanced;
    s.pick = comcainum->currentIndex() + 1;
    s.base = commainnum->currentIndex() + 1;
    s.bankers = s.kind == WheelKind::Banker ? comdannum->currentIndex() : 0;
    s.drawn = comoknum->currentIndex() + 1;
    s.guaranteed = combaonum->currentIndex() + 1;
    return s;
}

void Tfrmjuzheng::recolourBoxes()
{
    const WheelSettings s = settings();
    const QColor window = QApplication::palette().color(QPalette::Base);
    for (int e = 1; e <= boxes_.size(); ++e) {
        QLineEdit* box = boxes_[e - 1];
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, e <= s.base ? window : QColor(Qt::red));
        box->setPalette(palette);
        box->setVisible(e <= s.base + s.bankers);
    }
}

void Tfrmjuzheng::optjutypeClick()
{
    const bool banker = jutypeButtons->checkedId() == 1;
    // Both lists change; the boxes are recoloured once, after both.
    const QSignalBlocker blockBase(commainnum);
    const QSignalBlocker blockBankers(comdannum);
    commainnum->setCurrentIndex(banker ? 8 : 9);
    comdannum->setCurrentIndex(banker ? 1 : 0);
    comdannum->setEnabled(banker);
    recolourBoxes();
}

void Tfrmjuzheng::commainnumChange() { recolourBoxes(); }

void Tfrmjuzheng::comdannumChange() { recolourBoxes(); }

void Tfrmjuzheng::btngenClick()
{
    const WheelSettings s = settings();
    const QString name = fromStd(matrixFileName(s));
    const QString file = folder_.wheelsFolder() + name;
    if (!QFileInfo(file).isFile()) {
        dialogs::error(this, u"没有该类型的矩阵！"_s);
        return;
    }
    const int used = s.base + s.bankers;
    std::vector<int> numbers;
    QStringList texts;
    for (int e = 1; e <= used; ++e) {
        const QString text = e <= boxes_.size() ? boxes_[e - 1]->text().trimmed() : QString();
        bool ok = false;
        const int number = text.toInt(&ok);
        if (text.isEmpty() || !ok) {
            dialogs::error(this, u"请在下面号码框中输入正确的号码数字！"_s);
            return;
        }
        numbers.push_back(number);
        texts << text;
    }
    if (texts.removeDuplicates() > 0) {
        dialogs::error(this, u"请不要输入重复的号码数字！"_s);
        return;
    }

    QByteArray bytes;
    QString error;
    if (!readWholeFile(file, &bytes, &error)) {
        dialogs::error(this, error);
        return;
    }
    const int perLine = s.pick - s.bankers;
    const MatrixLines read = readMatrixLines(decodeGbkOrUtf8(bytes).toStdString(), s.base, perLine);
    if (read.badLine > 0) {
        dialogs::error(this, u"旋转矩阵文件“%1”第 %2 行不能使用：%3"_s
                                 .arg(name)
                                 .arg(read.badLine)
                                 .arg(fromStd(read.problem)));
        return;
    }
    const std::vector<int> base(numbers.begin(), numbers.begin() + s.base);
    const std::vector<int> bankers(numbers.begin() + s.base, numbers.end());
    QStringList headers = {u"序号"_s};
    for (int c = 1; c <= s.pick; ++c)
        headers << u"号码"_s + QString::number(c);
    std::vector<QStringList> rows;
    int serial = 0;
    for (const std::vector<int>& bet : wheelBets(read.lines, base, bankers)) {
        QStringList row = {QString::number(++serial)};
        for (const int n : bet)
            row << twoDigits(n);
        rows.push_back(std::move(row));
    }
    model_->setTable(headers, std::move(rows));
    listMatrix_ = QFileInfo(name).completeBaseName();
    applyColumnWidths();
    edtjushu->setText(QString::number(serial));
    lblcode->setText(u"投注号码：共"_s + QString::number(serial) + u" 注"_s);
}

void Tfrmjuzheng::btnsaveClick()
{
    if (model_->rowCount() == 0 || model_->text(0, 0).isEmpty()) {
        dialogs::error(this, u"号码表格为空，无法保存！"_s);
        return;
    }
    const QString file = dialogs::saveFile(
        this, {u"保存"_s, u"文本文件(*.txt)|*.txt"_s, u"txt"_s, folder_.attachmentsFolder(),
               fromStd(betListFileName(settings()))});
    if (file.isEmpty())
        return;
    std::vector<std::vector<std::string>> cells;
    for (const QStringList& row : model_->rows()) {
        std::vector<std::string> bet;
        for (int c = 1; c < model_->columnCount(); ++c)
            bet.push_back(row.value(c).toStdString());
        cells.push_back(std::move(bet));
    }
    QString error;
    if (!writeFileAtomically(file, encodeGbk(fromStd(betListText(cells))), &error)) {
        dialogs::error(this, error);
        return;
    }
    dialogs::information(this, u"成功保存！"_s);
}

TableReportRequest Tfrmjuzheng::printRequest() const
{
    std::vector<QStringList> rows;
    for (const QStringList& row : model_->rows()) {
        QString bet;
        for (qsizetype c = 1; c < row.size(); ++c)
            bet += row.at(c) + u' ';
        rows.push_back({row.value(0), bet});
    }
    const QString title = u"旋转矩阵%1投注号码"_s.arg(listMatrix_.isEmpty() ? QString() : u" "_s + listMatrix_ + u" "_s);
    const QString line = u"共%1注 打印日期:%2"_s.arg(rows.size()).arg(reportDateToday());
    return {ReportLayout::TotalFilter, title, line, {u"序号"_s, u"投注号码"_s}, std::move(rows)};
}

void Tfrmjuzheng::btnprintClick() { printTableReport(this, printRequest()); }

void Tfrmjuzheng::applyColumnWidths()
{
    const int columns = model_->columnCount();
    if (columns == 0)
        return;
    const int width = (tabcode->width() - 40) / columns;
    for (int c = 0; c < columns; ++c)
        tabcode->setColumnWidth(c, width);
}

void Tfrmjuzheng::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void Tfrmjuzheng::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the window and its list stay until the lottery is closed.
    event->ignore();
    hide();
}

bool Tfrmjuzheng::eventFilter(QObject* watched, QEvent* event)
{
    // A click into a number box selects its whole text.
    if (event->type() == QEvent::MouseButtonRelease)
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && boxes_.contains(box))
            box->selectAll();
    return QWidget::eventFilter(watched, event);
}

} // namespace pickora::ui
