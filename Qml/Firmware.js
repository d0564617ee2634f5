.pragma library
.import "Links.js" as Links

// The firmware information service as the interface needs it: where to ask,
// what the answer means, and which of two versions is newer. Pure logic, so
// Qt Quick Test can drive it without a network.

var queryPath = "/portline/common/getFwInfo"

// The base address to ask: `override` (PORTVIEW_FIRMWARE_URL) when set,
// replacing the built-in services for tests and the demo.
function serviceBase(isTestServer, company, override) {
    return override !== undefined && override !== null && override !== "" ? String(override)
                                                                           : Links.firmwareService(isTestServer, company)
}

// The address of the query under `base`. Only the override may be plain
// http; any other address must be https, so an answer that decides what
// gets flashed onto the switch cannot be forged on the way. "" when refused.
function queryUrl(base, isOverride) {
    var allowed = isOverride ? /^https?:\/\/[^\/\s]+/i : /^https:\/\/[^\/\s]+/i
    if (!allowed.test(base))
        return ""
    return base.replace(/\/+$/, "") + queryPath
}

// The largest answer read: an offer is a few hundred bytes, and a service
// that sends megabytes must not fill the memory or the log.
var answerLimit = 65536

// Whether the answer, as far as it has come, is larger than `answerLimit`:
// by the length it announces or by what has arrived.
function answerTooLarge(request) {
    var announced = parseInt(request.getResponseHeader("Content-Length"), 10)
    return (!isNaN(announced) && announced > answerLimit) || request.responseText.length > answerLimit
}

// What the log keeps of an answer: its first line, at most 200 characters.
function firstLine(body) {
    var text = String(body === undefined || body === null ? "" : body)
    var end = text.search(/[\r\n]/)
    return text.substring(0, Math.min(end < 0 ? text.length : end, 200))
}

// "V1.0.9" and "v1.0.9" are the same version: lower case, first "v" removed.
function plainVersion(version) {
    return String(version === undefined || version === null ? "" : version).toLowerCase().replace("v", "")
}

// 1 when ver1 is newer than ver2, -1 when older, 0 when equal. Parts compare
// as numbers (1.10 is newer than 1.9); a missing or non-numeric part is 0.
function compareVersion(ver1, ver2) {
    var a = String(ver1).split(".")
    var b = String(ver2).split(".")
    for (var i = 0; i < Math.max(a.length, b.length); ++i) {
        var x = i < a.length ? parseInt(a[i], 10) : 0
        var y = i < b.length ? parseInt(b[i], 10) : 0
        x = isNaN(x) ? 0 : x
        y = isNaN(y) ? 0 : y
        if (x !== y)
            return x > y ? 1 : -1
    }
    return 0
}

// The offer in an answer body: { version, url }, or null when the body is
// not JSON or lacks result.fwVersion / result.firmwareFileUrl as texts.
function parseOffer(body) {
    var answer
    try {
        answer = JSON.parse(body)
    } catch (e) {
        return null
    }
    var result = answer !== null && typeof answer === "object" ? answer.result : undefined
    if (result === null || typeof result !== "object")
        return null
    if (typeof result.fwVersion !== "string" || result.fwVersion === ""
            || typeof result.firmwareFileUrl !== "string" || result.firmwareFileUrl === "")
        return null
    return { version: result.fwVersion, url: result.firmwareFileUrl }
}
