// SPDX-License-Identifier: GPL-2.0-or-later
// A Node program sees the environment of its process, as a native one does:
// getenv finds XDG_CONFIG_HOME, HOME, TMPDIR and the locale, and nothing the
// runtime would otherwise make up (a LANG, a USER, a HOME of its own).
Module['preRun'] = (Module['preRun'] || []).concat(function () {
  for (const name of ['USER', 'LOGNAME', 'PATH', 'PWD', 'HOME', 'LANG', '_']) ENV[name] = undefined;
  Object.assign(ENV, process.env);
});
