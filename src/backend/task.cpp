#include "backend/task.h"

#include "backend/dates.h"
#include "backend/jsondecoding.h"

#include <QRandomGenerator>

#include <cstring>

using namespace Qt::StringLiterals;
using JsonDecoding::ObjectReader;

namespace {

// Reads tasks' web links: any text that parses as a URL, relative
// references included ("tasks/123"); only the empty text and what a strict
// parse refuses (spaces, stray percent signs, "not a url") fail the task.
// Whether a link may be opened is decided when it is opened: only web
// addresses go to the browser.
//
// Parsing the scheme and host is about half of what QUrl spends on a link,
// and the links of one reply nearly all share them. So the first link with
// a given "scheme://authority" start is parsed whole, and later links with
// the same start are made from it by setting their path, query and fragment,
// each checked in strict mode just as the whole parse checks them.
class LinkReader
{
public:
    QUrl read(const QString &text)
    {
        const qsizetype authorityEnd = this->authorityEnd(text);
        if (authorityEnd < 0 || m_start.isEmpty() || QStringView(text).left(authorityEnd) != m_start)
            return readWhole(text, authorityEnd);

        // Split as the whole parse does: the fragment after the first '#',
        // the query after the first '?' before it.
        QStringView path = QStringView(text).mid(authorityEnd);
        std::optional<QStringView> query, fragment;
        if (const qsizetype hash = path.indexOf(u'#'); hash >= 0) {
            fragment = path.mid(hash + 1);
            path = path.left(hash);
        }
        if (const qsizetype question = path.indexOf(u'?'); question >= 0) {
            query = path.mid(question + 1);
            path = path.left(question);
        }

        // Each setter starts by clearing the URL's error, so stop at the
        // first part that fails.
        QUrl url = m_base;
        url.setPath(path.toString(), QUrl::StrictMode);
        if (query && url.isValid())
            url.setQuery(nonNull(*query), QUrl::StrictMode);
        if (fragment && url.isValid())
            url.setFragment(nonNull(*fragment), QUrl::StrictMode);
        return url;
    }

    static bool isUrl(const QUrl &url) { return url.isValid() && !url.isEmpty(); }

private:
    // Where "scheme://authority" ends, or -1 when the text has no authority.
    static qsizetype authorityEnd(const QString &text)
    {
        const qsizetype colon = text.indexOf(u':');
        if (colon <= 0 || !QStringView(text).mid(colon).startsWith(u"://"))
            return -1;
        qsizetype end = colon + 3;
        while (end < text.size() && text[end] != u'/' && text[end] != u'?' && text[end] != u'#')
            ++end;
        return end;
    }

    // A present but empty query or fragment ("...?#") is kept as present.
    static QString nonNull(QStringView part) { return part.isEmpty() ? QStringLiteral("") : part.toString(); }

    QUrl readWhole(const QString &text, qsizetype authorityEnd)
    {
        QUrl url(text, QUrl::StrictMode);
        if (authorityEnd > 0 && isUrl(url) && !url.isRelative()) {
            m_start = text.left(authorityEnd);
            m_base = QUrl(m_start, QUrl::StrictMode);
            if (!m_base.isValid())
                m_start.clear();
        }
        return url;
    }

    QString m_start; // "scheme://authority" of m_base
    QUrl m_base;
};

QUrl readWebViewLink(const ObjectReader &reader, LinkReader &links)
{
    constexpr auto key = "webViewLink"_L1;
    const QString text = reader.string(key);
    QUrl url = links.read(text);
    if (!LinkReader::isUrl(url))
        ObjectReader::failValue(key, "a URL", text);
    return url;
}

// Random (version 4) UUIDs, drawn from the system's random source in one
// read for a whole list: the same source and the same bits as
// QUuid::createUuid(), without a system call for every task.
class FreshIds
{
public:
    explicit FreshIds(qsizetype count) : m_words(count * 4)
    {
        QRandomGenerator::system()->fillRange(m_words.data(), m_words.size());
    }

    QUuid next()
    {
        const quint32 *words = m_words.constData() + 4 * m_used++;
        QUuid id;
        id.data1 = words[0];
        id.data2 = ushort(words[1]);
        id.data3 = ushort(((words[1] >> 16) & 0x0FFF) | 0x4000); // version 4, random
        std::memcpy(id.data4, words + 2, sizeof id.data4);
        id.data4[0] = (id.data4[0] & 0x3F) | 0x80; // the RFC 4122 variant
        return id;
    }

private:
    QList<quint32> m_words;
    qsizetype m_used = 0;
};

Task2 decodeTask(const ObjectReader &reader, const QUuid &id, LinkReader &links)
{
    // Braced initialisation runs left to right, so members are read, and the
    // first bad one reported, in the order the record lists them.
    return Task2{
            id,
            reader.string("title"_L1),
            reader.string("status"_L1),
            reader.optionalString("due"_L1),
            reader.string("position"_L1),
            readWebViewLink(reader, links),
            reader.optionalString("id"_L1),
    };
}

} // namespace

std::optional<QDateTime> Task2::dueDate() const
{
    if (!due)
        return std::nullopt;
    return parseDueDate(*due);
}

QJsonObject CreateTask::toJson() const
{
    return {{QStringLiteral("title"), title}};
}

Result<QList<Task2>> decodeTaskList(const QByteArray &json)
{
    Error error;
    const std::optional<QJsonArray> elements = JsonDecoding::parseArray(json, "tasks"_L1, error);
    if (!elements)
        return Result<QList<Task2>>::failure(std::move(error));
    FreshIds ids(elements->size());
    LinkReader links;
    return JsonDecoding::decodeElements<Task2>(
            *elements, "Task"_L1, [&](const ObjectReader &reader) { return decodeTask(reader, ids.next(), links); });
}
