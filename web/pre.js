// pre.js: runs inside the program's JavaScript before main().
//
// save.qzd lives in /saves/, a folder kept in the browser's IndexedDB. It is
// read from there before main() starts; every change the program makes is
// pushed back by Module.vk3PersistSaves (one push at a time, a change during
// a push is pushed after it). Module.vk3SavesPersisted counts finished pushes
// and Module.vk3SavesPending says whether one is under way.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir('/saves');
  FS.mount(IDBFS, {}, '/saves');
  addRunDependency('vk3-saves');
  FS.syncfs(true, function (err) {
    if (err) console.warn('Varnoklet 3: saved games could not be read from the browser: ' + err);
    removeRunDependency('vk3-saves');
  });
});

Module.vk3SavesPersisted = 0;
Module.vk3SavesPending = false;
(function () {
  var again = false;
  function push() {
    Module.vk3SavesPending = true;
    FS.syncfs(false, function (err) {
      if (err) console.warn('Varnoklet 3: saved games could not be stored in the browser: ' + err);
      Module.vk3SavesPersisted++;
      if (again) { again = false; push(); return; }
      Module.vk3SavesPending = false;
      if (Module.vk3SavesChanged) Module.vk3SavesChanged();
    });
  }
  Module.vk3PersistSaves = function () {
    if (Module.vk3SavesPending) { again = true; return; }
    push();
  };
})();
