.pragma library

// How a port of the switch is named to a person: "Port 1", or "Port 1
// (Office)" when the switch reports a name for it. `names` holds the names
// of ports 1 and 2 (empty where the switch reports none); "" for a port
// that is not known.
function label(port, names) {
    if (port !== 1 && port !== 2)
        return ""
    var text = qsTranslate("main", "Port @").replace("@", port)
    var name = names && names.length >= port && names[port - 1] ? String(names[port - 1]).trim() : ""
    return name !== "" ? text + " (" + name + ")" : text
}
