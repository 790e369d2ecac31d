// The game module's side of the page (built into tavio.js before the game's own
// code): where the data and the saves live, the browser's storage, the step
// clock, and what the page tells the game. The page (tavio.html) sets up
// Module.tavio.sivu with the callbacks of its own before this runs.
(function () {
    // The saves folder of an installed game ($HOME/.local/share/tavio): the game
    // finds its data through TAVIO_DATA, so its saves go to the player's folder,
    // which lives in the browser's IndexedDB. The data itself is read-only content.
    var DATA = '/peli';
    var TALLENTEET = '/home/web_user/.local/share/tavio';

    var tavio = (Module.tavio = Module.tavio || {});
    var sivu = tavio.sivu || {};
    var tahti = TavioTahdistin();
    var askeleet = 0;
    var escYlos = 0; // steps until the Escape made of a lost pointer lock comes up
    var muuttunut = false; // a save was written since the last sync
    var synkronoidaan = false;
    var synkronointeja = 0;
    var synkronointiOdottajat = [];

    tavio.TALLENTEET = TALLENTEET;
    tavio.askeleet = function () {
        return askeleet;
    };
    tavio.synkronointeja = function () {
        return synkronointeja;
    };

    // Copies the saves folder into IndexedDB when a save was written; `valmis`
    // (optional) is called once everything written so far is stored.
    function synkronoi(valmis) {
        if (valmis) synkronointiOdottajat.push(valmis);
        if (synkronoidaan) return;
        if (!muuttunut) {
            var odottajat = synkronointiOdottajat;
            synkronointiOdottajat = [];
            odottajat.forEach(function (f) {
                f(null);
            });
            return;
        }
        muuttunut = false;
        synkronoidaan = true;
        var odottajat = synkronointiOdottajat;
        synkronointiOdottajat = [];
        FS.syncfs(false, function (virhe) {
            synkronoidaan = false;
            synkronointeja++;
            if (virhe) {
                muuttunut = true;
                if (sivu.virhe) sivu.virhe('The saves could not be stored in this browser: ' + virhe);
            }
            odottajat.forEach(function (f) {
                f(virhe || null);
            });
            if (muuttunut || synkronointiOdottajat.length) synkronoi();
        });
    }
    tavio.synkronoi = synkronoi;

    // The game's frames: each animation frame the step clock allows runs one
    // frame pass (or one frame of a wait of the game's, in which nothing steps);
    // `loppui` is called once the game has ended.
    function Kehykset(loppui) {
        function kehys(aika) {
            if (tahti(aika)) {
                var tulos = Module._tavio_askel();
                if (tulos > 0) {
                    askeleet++;
                    if (escYlos > 0 && --escYlos === 0) SDL.events.push({ type: 'keyup', keyCode: 27 });
                }
                synkronoi();
                if (tulos < 0) {
                    loppui();
                    return;
                }
            }
            requestAnimationFrame(kehys);
        }
        requestAnimationFrame(kehys);
    }
    tavio.kokoNaytto = function (paalle) {
        if (sivu.kokoNaytto) sivu.kokoNaytto(paalle);
    };

    // The browser keeps Escape for itself while the pointer is locked: the page
    // never sees it, it only loses the lock. That loss comes to the game as
    // Escape pressed and, two steps later, released: held for a step, it ends a
    // flight (and with q held quits), and alone it does nothing on the menus.
    tavio.escape = function () {
        if (typeof SDL === 'undefined' || !SDL.events) return;
        SDL.events.push({ type: 'keydown', keyCode: 27 });
        escYlos = 2;
    };

    // Starts the game (within the click on the cover); the promise is kept with
    // its exit code when it has ended (Quit) and its last saves are stored, or at
    // once when it could not start.
    tavio.kaynnista = function () {
        return new Promise(function (valmis) {
            function loppu(koodi) {
                synkronoi(function () {
                    valmis(koodi);
                });
            }
            var koodi = Module._tavio_alusta();
            if (koodi >= 0) loppu(koodi);
            else Kehykset(function () {
                loppu(0);
            });
        });
    };

    // The settings file's full-screen byte, for the page before the game starts.
    tavio.tallennettuKokoNaytto = function () {
        try {
            var tavut = FS.readFile(TALLENTEET + '/Setup.sav');
            return tavut.length >= 5 && tavut[4] !== 0;
        } catch (e) {
            return false;
        }
    };

    Module.preRun = [].concat(Module.preRun || [], function () {
        ENV.TAVIO_DATA = DATA;
        ENV.HOME = '/home/web_user';
        delete ENV.XDG_DATA_HOME;
        FS.mkdirTree(TALLENTEET);
        FS.mount(IDBFS, {}, TALLENTEET);
        addRunDependency('tallenteet');
        FS.syncfs(true, function (virhe) {
            if (virhe && sivu.virhe) sivu.virhe('The saves of this browser could not be read: ' + virhe);
            removeRunDependency('tallenteet');
        });
        // Every save of the game ends in a rename over the old file (the safe
        // writer), so a rename into the saves folder is what marks it for storing.
        var rename = FS.rename;
        FS.rename = function (vanha, uusi) {
            var tulos = rename.apply(this, arguments);
            if (String(uusi).indexOf(TALLENTEET + '/') === 0) muuttunut = true;
            return tulos;
        };
        // Emscripten 3.1.6 places the pointer of a locked mouse at SDL.mouseX plus
        // the motion, a field it never sets (not a number: the game's pointer sticks
        // in a corner). As SDL does on the desktop with the input grabbed, the
        // pointer moves by the motion and stays inside the window, while the motion
        // itself is reported whole at the edges.
        var hiiri = Browser.calculateMouseEvent;
        Browser.calculateMouseEvent = function (event) {
            if (!Browser.pointerLock) return hiiri.call(Browser, event);
            var dx = event.type === 'mousemove' ? Browser.getMovementX(event) : 0;
            var dy = event.type === 'mousemove' ? Browser.getMovementY(event) : 0;
            var c = Module.canvas;
            Browser.mouseMovementX = dx;
            Browser.mouseMovementY = dy;
            Browser.mouseX = Math.min(Math.max((Browser.mouseX || 0) + dx, 0), c.width - 1);
            Browser.mouseY = Math.min(Math.max((Browser.mouseY || 0) + dy, 0), c.height - 1);
        };
    });
})();
