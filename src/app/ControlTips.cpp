#include "app/ControlTips.h"

#include <QHash>
#include <QRegularExpression>
#include <QToolButton>
#include <QWidget>
#include <array>

namespace ControlTips {

namespace {

// Fixed tips by object name: the pages' controls, the views' grids and the analysis window.
const QHash<QString, QString>& fixedTips() {
    static const QHash<QString, QString> tips{
        // Home page.
        {QStringLiteral("txtScheduleNo"),
         QStringLiteral("開催回の番号です。変えるとその回の保存済みの情報を読み込みます"
                        "\n（全角数字も使えます。↑↓キーで前後の回）")},
        {QStringLiteral("cmbKumi"),
         QStringLiteral("組を選びます（mini BIGは組の区別がなく、同じ回を読み込み直します）")},
        {QStringLiteral("lblSchedule"),
         QStringLiteral("オフィシャルサイトの販売スケジュールのページをブラウザで開きます")},
        {QStringLiteral("chkDownload"),
         QStringLiteral("オンにすると、ダウンロードの前に確認のメッセージを出します")},
        {QStringLiteral("cmdUser2"),
         QStringLiteral("自分で登録する海外チーム名（ユーザー定義）を編集します")},
        {QStringLiteral("cmdVantrelDownload"),
         QStringLiteral(
             "Vantrelのサイトから最新の海外チーム名ファイルをダウンロードして置き換えます")},
        // Singles page.
        {QStringLiteral("cmdSingleAdd2"),
         QStringLiteral("９試合のマークを 1・0・2 の数字で入力してシングルを追加します")},
        {QStringLiteral("cmdSort"),
         QStringLiteral("並び替えのメニューを開きます（推定金額・マーク・人気・当せん数の順）")},
        {QStringLiteral("cmdSingleAdd"),
         QStringLiteral("マークがすべて 0 のシングルを最後に追加します")},
        {QStringLiteral("cmdSingleDel"),
         QStringLiteral("番号をクリックして選んだシングルを削除します")},
        {QStringLiteral("picSingleMarks"),
         QStringLiteral(
             "マークをクリックするとそのシングルのマークを変えます。番号のクリックで選択"
             "します。\nキーボード：矢印キーで移動、1・0・2キーでマーク、スペースで選択、"
             "PageUp/PageDownでページ")},
        {QStringLiteral("picSGameGrid"), QStringLiteral("この回の９試合（開催日とチーム）です")},
        {QStringLiteral("picCountGrid"),
         QStringLiteral("試合ごとに、各マークを付けたシングルの口数です")},
        {QStringLiteral("picSListGrid"),
         QStringLiteral("上のシングルの推定金額、マークの数、人気の数です")},
        // Check page.
        {QStringLiteral("cmdSortResult"),
         QStringLiteral("シングルを当せん数（当たった試合の数）の順に並べ替えます")},
        {QStringLiteral("chkResultAll"),
         QStringLiteral("オンにすると、くじ結果を１試合ずつでなく最初からすべて表示します")},
        {QStringLiteral("grdGame"), QStringLiteral("この回の９試合です")},
        {QStringLiteral("grdVote"),
         QStringLiteral("投票率です。クリックすると結果の表にシングルの構成を重ねて表示します")},
        {QStringLiteral("grdMultiResult"),
         QStringLiteral("試合の結果です。クリックで結果を付けたり外したりします（◎公式 ○手入力）。"
                        "\n右クリックまたはメニューキーで「中止」にします")},
        {QStringLiteral("grdResult"), QStringLiteral("シングルごとの当たり（赤）と等級です")},
        {QStringLiteral("picResultCountGrid"),
         QStringLiteral("シングルの構成です。クリックすると結果の表に戻ります")},
        {QStringLiteral("grdResultGrade"), QStringLiteral("等級ごとのシングルの口数です")},
        {QStringLiteral("grdKakutei"),
         QStringLiteral("すべての結果が出ると、当せん金と自分の当せん金額を表示します")},
        // Analysis window.
        {QStringLiteral("grdCoverage"),
         QStringLiteral("残りの結果すべてについて、リストで届く最高の等級とその確率です")},
        {QStringLiteral("grdExpected"),
         QStringLiteral("投票率どおりに試合が決まる場合の当せん口数と払戻金の期待値です")},
        {QStringLiteral("grdReturns"),
         QStringLiteral("保存されたくじ結果の当せん金から見た払戻見込みです")},
        {QStringLiteral("grdWhatIf"),
         QStringLiteral("まだ結果の出ていない試合がその結果になったら、等級に届くシングルが何口"
                        "残るかです（緑：最も多く残る結果）")},
        {QStringLiteral("chtGrades"), QStringLiteral("リストの最高等級ごとの確率のグラフです")},
        {QStringLiteral("chtReturn"), QStringLiteral("払戻金の期待値と購入金額を比べるグラフです")},
    };
    return tips;
}

const std::array<QString, 3>& documentNames() {
    static const std::array<QString, 3> names{QStringLiteral("開催情報（対象試合と販売期間）"),
                                              QStringLiteral("投票状況（totoの投票数）"),
                                              QStringLiteral("くじ結果（試合結果と当せん金）")};
    return names;
}

} // namespace

void apply(QWidget* root) {
    const QHash<QString, QString>& tips = fixedTips();
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        const auto tip = tips.constFind(widget->objectName());
        if (tip != tips.constEnd())
            widget->setToolTip(*tip);
    }
    // The arrows of a spin control step the number beside them.
    for (QToolButton* arrow : root->findChildren<QToolButton*>()) {
        if (arrow->arrowType() == Qt::UpArrow)
            arrow->setToolTip(QStringLiteral("次の回（番号を１つ増やします）"));
        else if (arrow->arrowType() == Qt::DownArrow)
            arrow->setToolTip(QStringLiteral("前の回（番号を１つ減らします）"));
    }
    // The vote graphs of the game panel answer a click as the vote rates beside them do.
    for (QWidget* graph :
         root->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^picGraph_\\d$"))))
        graph->setToolTip(tips.value(QStringLiteral("grdVote")));
}

QString tab(int page) {
    static const std::array<QString, 3> tips{
        QStringLiteral("ホーム：開催回の選択と、開催情報・投票状況・くじ結果のダウンロード"),
        QStringLiteral("シングル：シングルの追加・編集と推定金額"),
        QStringLiteral("チェック：シングルとくじ結果の照らし合わせ")};
    return tips.at(std::size_t(page));
}

QString officialDownload(int index, DownloadState state) {
    const QString& name = documentNames().at(std::size_t(index));
    const QString plain = name.left(name.indexOf(u'（'));
    switch (state) {
    case DownloadState::NoDraw:
        return QStringLiteral("先に開催回を入力してください");
    case DownloadState::NotHeld:
        return QStringLiteral(
            "この回は未開催に設定されているため、ダウンロードするものはありません");
    case DownloadState::ScheduleFirst:
        return QStringLiteral("先に開催情報をダウンロードしてください\n（投票状況は開催情報の試合と"
                              "照らし合わせて読み込みます）");
    case DownloadState::HandEntered:
        return QStringLiteral("手入力した開催情報を、オフィシャルサイトの開催情報で置き換えます");
    case DownloadState::Damaged:
        return QStringLiteral("保存されている") + plain +
               QStringLiteral(
                   "が読めません\n（読めないファイルを別の場所へ移してダウンロードし直します）");
    case DownloadState::Stored:
        return QStringLiteral("この回の") + plain +
               QStringLiteral("は保存済みです\n（保存した情報はダウンロードし直しません）");
    case DownloadState::Missing:
        break;
    }
    return QStringLiteral("この回の") + name +
           QStringLiteral("をオフィシャルサイトからダウンロードします");
}

QString showNext(Reveal state) {
    switch (state) {
    case Reveal::NoResult:
        return QStringLiteral("この回のくじ結果がまだありません\n（ホームの「くじ結果」で"
                              "ダウンロードすると使えます）");
    case Reveal::AllShown:
        return QStringLiteral("くじ結果はすべて表示しています");
    case Reveal::SomeHidden:
        break;
    }
    return QStringLiteral("まだ隠れているくじ結果を１試合ずつ表示します");
}

QString showAll(Reveal state) {
    return state == Reveal::SomeHidden
               ? QStringLiteral("まだ隠れているくじ結果をまとめて表示します")
               : showNext(state);
}

QString pageTurn(bool next, bool canTurn) {
    if (next)
        return canTurn ? QStringLiteral("次のページ（次の10口）を表示します")
                       : QStringLiteral("最後のページを表示しています");
    return canTurn ? QStringLiteral("前のページ（前の10口）を表示します")
                   : QStringLiteral("最初のページを表示しています");
}

QString numbersText() {
    return QStringLiteral("第１試合から順に、９試合のマークを 1・0・2 で入力します");
}

QString numbersOk(bool complete) {
    return complete ? QStringLiteral("入力したマークのシングルを追加します")
                    : QStringLiteral("９試合分のマークを入力すると押せます");
}

QString stopDownload(Stop state) {
    switch (state) {
    case Stop::Downloading:
        return QStringLiteral("ダウンロードを中止します");
    case Stop::Requested:
        return QStringLiteral("中止しています");
    case Stop::Idle:
        break;
    }
    return QStringLiteral("中止できるのはダウンロード中だけです");
}

} // namespace ControlTips
