#include "OracleScript.h"

#include "store/ProfileStore.h"

#include <QFile>
#include <QList>

namespace {

std::string text(const QByteArray& field)
{
    return field == "<NULL>" ? std::string() : OracleScript::unescaped(field).toStdString();
}

QByteArray readCommand(const OracleScript& script, const QList<QByteArray>& f,
                       const std::string& file)
{
    std::string buffer;
    const int count =
        ReadProfileText(file, text(f[2]), text(f[3]), buffer, f[4].toInt(), text(f[5]), -1, false);
    return QByteArray::number(count) + '\t' + script.escaped(QByteArray::fromStdString(buffer));
}

QByteArray intCommand(const QList<QByteArray>& f, const std::string& file)
{
    const int value = ReadProfileInt(file, text(f[2]), text(f[3]), f[4].toInt(), -1, false);
    return QByteArray::number(static_cast<quint32>(value)) + '\t' + QByteArray::number(value);
}

QByteArray writeCommand(const QList<QByteArray>& f, const std::string& file)
{
    return WriteProfileText(file, text(f[2]), text(f[3]), text(f[4]), -1, false) ? "1" : "0";
}

QByteArray dumpCommand(const std::string& file)
{
    QFile in(QString::fromStdString(file));
    if (!in.open(QIODevice::ReadOnly))
        return "<MISSING>";
    return OracleScript::escaped(in.readAll());
}

QByteArray createCommand(const QList<QByteArray>& f, const std::string& file)
{
    QFile out(QString::fromStdString(file));
    const QByteArray content = OracleScript::unescaped(f[2]);
    return out.open(QIODevice::WriteOnly) && out.write(content) == content.size() ? "1" : "0";
}

} // namespace

OracleScript::OracleScript(QString scratchFolder) : m_scratch(std::move(scratchFolder)) {}

QByteArray OracleScript::run(const QByteArray& line) const
{
    if (line.isEmpty() || line.startsWith('#'))
        return line;
    const QList<QByteArray> f = line.split('\t');
    const QByteArray& command = f[0];
    const std::string file = f.size() > 1 ? fileOf(f[1]) : std::string();
    if (command == "R" && f.size() == 6)
        return readCommand(*this, f, file);
    if (command == "I" && f.size() == 5)
        return intCommand(f, file);
    if (command == "W" && f.size() == 5)
        return writeCommand(f, file);
    if (command == "D" && f.size() == 2)
        return dumpCommand(file);
    if (command == "C" && f.size() == 3)
        return createCommand(f, file);
    return "ERR\tunsupported command";
}

std::string OracleScript::fileOf(const QByteArray& field) const
{
    QString name = QString::fromUtf8(field);
    if (name.startsWith(QLatin1String("$T")))
        name = m_scratch + name.mid(2);
    return name.replace(QLatin1Char('\\'), QLatin1Char('/')).toStdString();
}

QByteArray OracleScript::escaped(const QByteArray& bytes)
{
    QByteArray out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\0':
            out += "\\0";
            break;
        default:
            if (byte < 0x20 || byte >= 0x7f)
                out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out;
}

QByteArray OracleScript::unescaped(const QByteArray& field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char next = field[++i];
        switch (next) {
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '0':
            out += '\0';
            break;
        case 'x':
            out += static_cast<char>(field.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
            break;
        default:
            out += next;
        }
    }
    return out;
}
