// Injected into the page before its own scripts: the test's clock. Animation
// frames come only when the test hands them out, each `vali` ms after the last,
// and the page's clocks (performance.now, Date.now, which the game's ticks come
// from) show that time, so that what the game does in a number of frames never
// depends on how fast this machine runs it. The wall clock starts at the same
// moment in every run: the game seeds its random numbers from it, so every run
// flies through the same scene and the screenshots read the same.
'use strict';
module.exports = `(function () {
  var nyt = 0, alku = Date.UTC(2026, 0, 1), jono = [], askeleet = [];
  window.requestAnimationFrame = function (f) { jono.push(f); return jono.length; };
  window.cancelAnimationFrame = function () {};
  performance.now = function () { return nyt; };
  Date.now = function () { return alku + Math.floor(nyt); };
  function Kehys(vali) {
    nyt += vali;
    var j = jono;
    jono = [];
    j.forEach(function (f) { f(nyt); });
  }
  window.__kello = {
    // n frames, each followed by a turn of the page's event loop (for what a
    // frame starts: the saves' storing, the browser's own events); the step
    // count after each frame is kept with the frame's time.
    kehyksia: async function (n, vali) {
      for (var i = 0; i < n; i++) {
        Kehys(vali);
        await new Promise(function (r) { setTimeout(r, 0); });
        if (window.Module && Module.tavio && Module.tavio.askeleet)
          askeleet.push([nyt, Module.tavio.askeleet()]);
      }
      return Module.tavio.askeleet();
    },
    askeleet: function () { return askeleet; },
    nyt: function () { return nyt; }
  };
})();`;
