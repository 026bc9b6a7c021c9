#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QString>

#include <optional>

// Reading Google's list replies and shaping their items into what the app
// decodes strictly, so one odd task or event never fails a user's whole list.
namespace GoogleReplies {

// One page of a Tasks or Calendar list reply: its items and the token of the
// next page (empty on the last). None when the reply is not such a page.
struct Page
{
    QJsonArray items;
    QString nextPageToken;
    QString timeZone; // Calendar pages only
};
std::optional<Page> readPage(const QByteArray &json);

// Leaves out hidden and deleted tasks and fills in the members the app needs.
QJsonArray tasks(const QJsonArray &items);
QJsonObject task(QJsonObject item);

// Leaves out cancelled events and events without a usable start or end;
// moments without a time zone get `calendarTimeZone`.
QJsonArray events(const QJsonArray &items, const QString &calendarTimeZone);

} // namespace GoogleReplies
