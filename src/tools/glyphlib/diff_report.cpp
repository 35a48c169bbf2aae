#include "tools/glyphlib/diff_report.h"

#include <QBuffer>
#include <QImage>
#include <QSaveFile>
#include <cctype>
#include <charconv>

#include "platform/entry_picture.h"
#include "tools/glyphlib/json_text.h"
#include "tools/glyphlib/library_description.h"
#include "tools/glyphlib/library_loading.h"

namespace {

std::string_view fieldName(HeaderField field, LibraryKind kind) {
    const bool symbol = kind == LibraryKind::Symbol;
    switch (field) {
        case HeaderField::OriginX:
            return "originX";
        case HeaderField::OriginY:
            return "originY";
        case HeaderField::ClipRadius:
            return symbol ? "clipRadius" : "singlePattern";
        case HeaderField::SizeRadius:
            return symbol ? "sizeRadius" : "patternHeight";
        case HeaderField::UseColours:
            return "useColours";
    }
    return {};
}

std::string_view changeName(EntryDifference kind) {
    switch (kind) {
        case EntryDifference::OnlyInA:
            return "only in A";
        case EntryDifference::OnlyInB:
            return "only in B";
        case EntryDifference::Renamed:
            return "renamed";
        case EntryDifference::Changed:
            return "changed";
    }
    return {};
}

std::string_view changeName(EntityDifference kind) {
    switch (kind) {
        case EntityDifference::Added:
            return "added";
        case EntityDifference::Removed:
            return "removed";
        case EntityDifference::Moved:
            return "moved";
        case EntityDifference::Recoloured:
            return "recoloured";
    }
    return {};
}

// "only in A" as JSON says it: "only-in-a".
std::string jsonName(std::string_view words) {
    std::string name(words);
    for (char& c : name) {
        c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

std::string entryLabel(const Library& library, int n) {
    return "entry " + std::to_string(n) + " \"" + printableName(library, n) + '"';
}

std::string point(int32_t x, int32_t y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// The shortest text that reads back as the same 4-byte real.
std::string real(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// "line (95, 155)-(215, 155) in colour 1", an arc also "about (155, 167.5)", in display units.
std::string entityText(const Entity& e) {
    std::string text =
        std::string(e.isArc ? "arc " : "line ") + point(e.x1, e.y1) + '-' + point(e.x2, e.y2);
    if (e.isArc) {
        text += " about (" + real(e.centreX) + ", " + real(e.centreY) + ")";
    }
    return text + " in colour " + std::to_string(e.colour);
}

const Entity& entityOf(const Library& library, int entry, int entity) {
    return library.entities(entry)[static_cast<size_t>(entity - 1)];
}

std::string entityDetail(const Library& a, const Library& b, const EntryComparison& entry,
                         const EntityChange& change) {
    if (change.kind == EntityDifference::Added) {
        return "entity " + std::to_string(change.entityB) +
               " of B added: " + entityText(entityOf(b, entry.entryB, change.entityB));
    }
    const Entity& before = entityOf(a, entry.entryA, change.entityA);
    std::string text = "entity " + std::to_string(change.entityA);
    if (change.kind == EntityDifference::Removed) {
        return text + " removed: " + entityText(before);
    }
    const Entity& after = entityOf(b, entry.entryB, change.entityB);
    text += " (entity " + std::to_string(change.entityB) + " of B) " +
            std::string(changeName(change.kind));
    if (change.kind == EntityDifference::Moved) {
        text += " by " + point(after.x1 - before.x1, after.y1 - before.y1);
        if (change.recoloured) {
            text += " and recoloured";
        }
    }
    if (change.recoloured) {
        text +=
            " from colour " + std::to_string(before.colour) + " to " + std::to_string(after.colour);
    }
    return text;
}

}  // namespace

std::vector<EntryReport> describeComparison(const Library& a, const Library& b,
                                            const LibraryComparison& diff) {
    std::vector<EntryReport> reports;
    for (const EntryComparison& entry : diff.entries) {
        EntryReport report;
        report.heading = std::string(changeName(entry.kind)) + ": ";
        if (entry.entryA != 0) {
            report.heading += entryLabel(a, entry.entryA);
        }
        if (entry.entryA != 0 && entry.entryB != 0) {
            report.heading += " -> ";
        }
        if (entry.entryB != 0) {
            report.heading += entryLabel(b, entry.entryB);
        }
        for (const FieldChange& field : entry.fields) {
            report.details.push_back(std::string(fieldName(field.field, a.libraryKind)) + ": " +
                                     std::to_string(field.a) + " -> " + std::to_string(field.b));
        }
        for (const EntityChange& change : entry.entities) {
            report.details.push_back(entityDetail(a, b, entry, change));
        }
        reports.push_back(std::move(report));
    }
    return reports;
}

std::string comparisonJson(const std::string& fileA, const Library& a, const std::string& fileB,
                           const Library& b, const LibraryComparison& diff) {
    using json::appendInt;
    using json::appendKey;
    using json::appendString;
    std::string out = "{";
    appendKey(out, "a");
    appendString(out, fileA);
    appendKey(out += ',', "b");
    appendString(out, fileB);
    appendKey(out += ',', "equal");
    out += diff.equal() ? "true" : "false";
    appendKey(out += ',', "entries");
    out += '[';
    for (const EntryComparison& entry : diff.entries) {
        out += out.back() == '[' ? "{" : ",{";
        appendKey(out, "change");
        appendString(out, jsonName(changeName(entry.kind)));
        for (const auto& [side, library, n] :
             {std::tuple("A", &a, entry.entryA), std::tuple("B", &b, entry.entryB)}) {
            if (n != 0) {
                appendInt(out += ',', std::string("entry") + side, n);
                appendKey(out += ',', std::string("name") + side);
                appendString(out, printableName(*library, n));
            }
        }
        appendKey(out += ',', "fields");
        out += '[';
        for (const FieldChange& field : entry.fields) {
            out += out.back() == '[' ? "{" : ",{";
            appendKey(out, "field");
            appendString(out, fieldName(field.field, a.libraryKind));
            appendInt(out += ',', "a", field.a);
            appendInt(out += ',', "b", field.b);
            out += '}';
        }
        appendKey(out += "],", "entities");
        out += '[';
        for (const EntityChange& change : entry.entities) {
            out += out.back() == '[' ? "{" : ",{";
            appendKey(out, "change");
            appendString(out, changeName(change.kind));
            appendInt(out += ',', "entityA", change.entityA);
            appendInt(out += ',', "entityB", change.entityB);
            if (change.kind == EntityDifference::Moved ||
                change.kind == EntityDifference::Recoloured) {
                const Entity& before = entityOf(a, entry.entryA, change.entityA);
                const Entity& after = entityOf(b, entry.entryB, change.entityB);
                appendInt(out += ',', "dx", int64_t{after.x1} - before.x1);
                appendInt(out += ',', "dy", int64_t{after.y1} - before.y1);
                appendInt(out += ',', "colourA", before.colour);
                appendInt(out += ',', "colourB", after.colour);
            }
            out += '}';
        }
        out += "]}";
    }
    return out + "]}";
}

namespace {

// The entry as the editor shows it, as an <img> with the picture inside the page.
QString pictureElement(LoadedLibrary& loaded, int n, const QString& caption) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    entryPicture(loaded.state, n, 1).save(&buffer, "PNG");
    return QStringLiteral(
               "<figure><img alt=\"\" width=\"310\" height=\"310\" "
               "src=\"data:image/png;base64,%1\"><figcaption>%2</figcaption></figure>")
        .arg(QString::fromLatin1(png.toBase64()), caption.toHtmlEscaped());
}

QString html(const std::string& utf8) {
    return QString::fromStdString(utf8).toHtmlEscaped();
}

}  // namespace

bool writeComparisonHtml(const QString& path, const std::string& fileA, LoadedLibrary& a,
                         const std::string& fileB, LoadedLibrary& b, const LibraryComparison& diff,
                         QString& error) {
    const std::vector<EntryReport> reports = describeComparison(a.library, b.library, diff);
    QString page = QStringLiteral(
                       "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1 / %2</title>"
                       "<style>body{font-family:sans-serif}figure{display:inline-block;margin:0 "
                       "1em 1em 0}img{image-rendering:pixelated;border:1px solid #888}"
                       "</style></head><body>\n<h1>A: %1<br>B: %2</h1>\n")
                       .arg(html(fileA), html(fileB));
    if (diff.equal()) {
        page += QStringLiteral("<p>The libraries are equal.</p>\n");
    }
    for (size_t i = 0; i < reports.size(); ++i) {
        const EntryComparison& entry = diff.entries[i];
        page += QStringLiteral("<section><h2>%1</h2>\n").arg(html(reports[i].heading));
        if (!reports[i].details.empty()) {
            page += QStringLiteral("<ul>");
            for (const std::string& detail : reports[i].details) {
                page += QStringLiteral("<li>%1</li>").arg(html(detail));
            }
            page += QStringLiteral("</ul>\n");
        }
        if (entry.entryA != 0) {
            page += pictureElement(a, entry.entryA, QStringLiteral("A"));
        }
        if (entry.entryB != 0) {
            page += pictureElement(b, entry.entryB, QStringLiteral("B"));
        }
        page += QStringLiteral("</section>\n");
    }
    page += QStringLiteral("</body></html>\n");

    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(page.toUtf8()) >= 0 && file.commit()) {
        return true;
    }
    error = file.errorString();
    return false;
}
