#pragma once

// Wire format between the program's HID seam and the virtual switch
// (tools/kvm-sim): one compact JSON object per line in each direction over a
// local socket. Requests carry "op"; answers carry "ok". Report bytes travel
// as lower-case hex.
//
//   {"op":"enumerate"}                       -> {"ok":true,"devices":[{...}]}
//   {"op":"open","path":P}                   -> {"ok":true,"handle":N}, or
//       {"ok":false,"error":"permission"|"busy"} when the switch refuses it
//   {"op":"close","handle":N}                -> {"ok":true}
//   {"op":"send","handle":N,"data":HEX}      -> {"ok":true,"result":BYTES}
//   {"op":"get","handle":N,"data":HEX}       -> {"ok":true,"result":BYTES,"data":HEX}
//   {"op":"ctl","args":[...]}                -> {"ok":B,"output":TEXT}
//   {"op":"subscribe"}                       -> {"ok":true}, then one
//       {"event":"arrival"|"removal","name":INTERFACE} per device change
//
// Handles belong to the connection that opened them and die with it.

namespace simproto {
inline constexpr const char *kOp = "op";
inline constexpr const char *kOk = "ok";
inline constexpr const char *kDevices = "devices";
inline constexpr const char *kPath = "path";
inline constexpr const char *kHandle = "handle";
inline constexpr const char *kData = "data";
inline constexpr const char *kResult = "result";
inline constexpr const char *kArgs = "args";
inline constexpr const char *kOutput = "output";
inline constexpr const char *kEvent = "event";
inline constexpr const char *kName = "name";
inline constexpr const char *kVendorId = "vid";
inline constexpr const char *kProductId = "pid";
inline constexpr const char *kProduct = "product";
inline constexpr const char *kManufacturer = "manufacturer";
inline constexpr const char *kSerial = "serial";
inline constexpr const char *kInterface = "interface";
inline constexpr const char *kError = "error";
inline constexpr const char *kPermission = "permission";
inline constexpr const char *kBusy = "busy";

inline constexpr const char *kEnumerate = "enumerate";
inline constexpr const char *kOpen = "open";
inline constexpr const char *kClose = "close";
inline constexpr const char *kSend = "send";
inline constexpr const char *kGet = "get";
inline constexpr const char *kCtl = "ctl";
inline constexpr const char *kSubscribe = "subscribe";
inline constexpr const char *kArrival = "arrival";
inline constexpr const char *kRemoval = "removal";
} // namespace simproto
