.pragma library

// What the maintenance and upgrade pages decide without touching a file:
// file URLs turned into local paths, the settings backup line, the name and
// the address of the upgrade tool, the percentage shown. Pure logic, so Qt
// Quick Test drives it without services.

function decoded(text) {
    try {
        return decodeURIComponent(text)
    } catch (e) {
        return null // a lone "%" or a broken UTF-8 escape
    }
}

// The local path behind a "file:" URL, the way the platform names it: on
// Linux "file:///home/a%20b" is "/home/a b" (the leading "/" is part of the
// path); on Windows "file:///C:/Users/x" is "C:/Users/x" and a host gives a
// UNC path. Text that is not a file URL is taken as a path already. "" when
// the URL cannot be decoded or names another computer where that means
// nothing.
function localPath(url, windows) {
    var text = String(url === undefined || url === null ? "" : url)
    var parts = /^file:(?:\/\/([^\/]*))?(\/.*)?$/i.exec(text)
    if (parts === null)
        return /^[a-z][a-z0-9+.\-]*:\/\//i.test(text) ? "" : text
    var host = parts[1] === undefined ? "" : decoded(parts[1])
    var path = decoded(parts[2] === undefined ? "" : parts[2])
    if (host === null || path === null || path === "")
        return ""
    // Several slashes in front ("file:////home/...") still mean the root.
    path = path.replace(/^\/+/, "/")
    if (host !== "" && host.toLowerCase() !== "localhost")
        return windows ? "//" + host + path : ""
    if (windows && /^\/[a-z]:(\/|$)/i.test(path))
        return path.substring(1)
    return path
}

// The folder a file URL lies in, as a URL ending in "/"; "" for none.
function folderOf(url) {
    var text = String(url === undefined || url === null ? "" : url)
    var slash = text.lastIndexOf("/")
    return slash < 0 ? "" : text.substring(0, slash + 1)
}

// "file:////home/x" (a prefix put before an absolute path) as "file:///home/x".
function fileUrl(text) {
    return String(text).replace(/^file:\/\/\/+/i, "file:///")
}

// The settings backup: one line of JSON without spaces, the model first.
function backupText(model, hotkey, silent, safely) {
    return JSON.stringify({ modelname: String(model),
                            settings: { hotkey: String(hotkey), silent: Number(silent), safely: Number(safely) } })
}

// A number, or a text that is one (blanks around it allowed): what a backup may
// hold for a flag. Not the INI rule, which takes what isNaN does not refuse.
function isFiniteNumber(value) {
    return (typeof value === "number" && isFinite(value))
            || (typeof value === "string" && value.trim() !== "" && isFinite(Number(value)))
}

// The settings in a backup made for `model`: { hotkey, silent, safely }, or
// null when the text is not such a backup, belongs to another model, or
// holds a hotkey that `hotkeyAllowed` (the worker's rule,
// monitor.isValidHotkey) refuses. Without `hotkeyAllowed` any non-empty
// hotkey text passes.
function parseBackup(text, model, hotkeyAllowed) {
    var backup
    try {
        backup = JSON.parse(text)
    } catch (e) {
        return null
    }
    if (backup === null || typeof backup !== "object" || backup.modelname !== model)
        return null
    var settings = backup.settings
    if (settings === null || typeof settings !== "object" || typeof settings.hotkey !== "string"
            || settings.hotkey === "" || !isFiniteNumber(settings.silent) || !isFiniteNumber(settings.safely))
        return null
    if (typeof hotkeyAllowed === "function" && hotkeyAllowed(settings.hotkey) !== true)
        return null
    return { hotkey: settings.hotkey, silent: Math.trunc(Number(settings.silent)),
             safely: Math.trunc(Number(settings.safely)) }
}

// Why a backup text gave no settings for `model`: "model" when it is a
// backup of another model's settings, else "damaged".
function backupFault(text, model) {
    try {
        var backup = JSON.parse(text)
        if (backup !== null && typeof backup === "object" && typeof backup.modelname === "string"
                && backup.modelname !== "" && backup.modelname !== model)
            return "model"
    } catch (e) {
    }
    return "damaged"
}

// A backup's local path with the ".kvm" extension the restore dialog lists
// (a name typed without it would be hidden there).
function withBackupExtension(path) {
    return path === "" || /\.kvm$/i.test(path) ? path : path + ".kvm"
}

// The name a new backup is offered under: the model and today's date.
function backupName(model, date) {
    function two(n) { return (n < 10 ? "0" : "") + n }
    return String(model) + "-" + date.getFullYear() + "-" + two(date.getMonth() + 1) + "-" + two(date.getDate())
            + ".kvm"
}

// The file name the upgrade tool is saved under: the last segment of the
// URL's path, percent-decoded. It must stay a plain name inside the
// temporary folder, so "" for an empty name, "." or "..", a name with a
// slash, a backslash or a NUL ("..%2F..%2Fx" included), or a broken escape.
function plainFileName(url) {
    var path = String(url === undefined || url === null ? "" : url).replace(/[?#].*$/, "")
    var name = decoded(path.substring(path.lastIndexOf("/") + 1))
    if (name === null || name === "" || name === "." || name === ".." || /[\/\\\u0000]/.test(name))
        return ""
    return name
}

// The tool is fetched over https only: what it is decides what is flashed
// onto the switch. While the firmware service is replaced for tests and the
// demo (`override`), plain http to this computer is allowed too.
function toolUrlAllowed(url, override) {
    var text = String(url === undefined || url === null ? "" : url)
    if (/^https:\/\/[^\/\s?#]+/i.test(text))
        return true
    var loopback = /^http:\/\/(127\.\d{1,3}\.\d{1,3}\.\d{1,3}|localhost|\[::1\])(:\d+)?([\/?#]|$)/i
    return override === true && loopback.test(text)
}

// The percentage of a progress fraction: the hundredfold cut before its
// last "." (or after three characters when it has none), then "%".
function percentText(progress) {
    if (typeof progress !== "number" || !(progress >= 0))
        return ""
    var text = String(progress * 100)
    var dot = text.lastIndexOf(".")
    return (dot >= 0 ? text.substring(0, dot) : text.substring(0, 3)) + "%"
}
