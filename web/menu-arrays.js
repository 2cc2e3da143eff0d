// Before menu.js: the arrays it fills, the page's one namespace, and a
// watch for a menu.js that is missing, does not parse, or throws.
/* exported ref, nam, par, MAX, B2M */
var ref = [], nam = [], par = [], MAX;
var B2M = {};
(function () {
  'use strict';

  var loading = { missing: false, error: false };

  // Errors of other scripts (the optional converter) do not count.
  function noteLoadError(event) {
    var target = event.target;
    if (target instanceof HTMLScriptElement) {
      if (/(^|\/)menu\.js(\?.*)?$|^blob:/.test(target.getAttribute('src')))
        loading.missing = true;
      return;
    }
    if (!event.filename || /menu\.js(\?.*)?$|^blob:/.test(event.filename))
      loading.error = true;
  }

  // Watches from now until stopWatching(), which says whether the script
  // was missing, and whether it failed (missing, or broken).
  B2M.watchLoading = function () {
    loading = { missing: false, error: false };
    addEventListener('error', noteLoadError, true);
  };
  B2M.stopWatching = function () {
    removeEventListener('error', noteLoadError, true);
    return { missing: loading.missing,
      failed: loading.missing || loading.error };
  };
  // Empty arrays for a menu script to fill anew.
  B2M.clearArrays = function () {
    ref = [];
    nam = [];
    par = [];
    MAX = undefined;
  };

  // Where this page remembers `name`: each copy of menu.html keeps its
  // own, wherever it is opened from, whatever its query or hash.
  B2M.pageKey = function (name) {
    return 'bookmarks2menu:' + name + ':' + location.href.split(/[?#]/)[0];
  };

  B2M.watchLoading();
})();
