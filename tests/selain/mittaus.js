// The browser version's frame rate in headless Chromium on this machine, on the
// browser's own clock: the main menu, then the first seconds of a Survivor
// flight, and where a flight's frame spends its time. For the README's figures;
// not a test (it depends on the machine).
//
//   node mittaus.js PAGE_FOLDER [CHROMIUM] [SECONDS]
//
// The breakdown: the page's main thread sampled by V8's profiler (each sample
// put in the game's WebAssembly, the OpenGL emulation's JavaScript (anything
// under an emulated gl* or glu* call), the WebGL calls that JavaScript makes,
// other JavaScript, garbage collection, the browser's own work, or idle), and
// the processor time of the GPU process, where SwiftShader draws, from /proc.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { SELAIN } = require('./cdp');
const { Palvelin, UusiPelaaja, Odota } = require('./pelaaja');

const [JULKAISU, CHROMIUM = 'chromium', SEKUNTEJA = '10'] = process.argv.slice(2);
const tyo = fs.mkdtempSync(path.join(os.tmpdir(), 'tavio-mittaus-'));
const TIKKI = 1000 / 100; // ms of a /proc clock tick (USER_HZ)

async function Nopeus(p, sekunteja) {
    const a0 = await p.Askeleet(), t0 = Date.now();
    await Odota(sekunteja * 1000);
    return ((await p.Askeleet()) - a0) / ((Date.now() - t0) / 1000);
}

// The processor time (ms) the browser's processes have used, by the kind of
// process (gpu-process, renderer, ...; the browser itself as "browser") and
// thread (its name with any number dropped: one figure for a pool).
function Prosessit(juuri) {
    const Stat = (polku) => {
        const stat = fs.readFileSync(polku, 'utf8');
        const kentat = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
        const nimi = stat.slice(stat.indexOf('(') + 1, stat.lastIndexOf(')'));
        return { nimi, ppid: +kentat[1], ms: (+kentat[11] + +kentat[12]) * TIKKI };
    };
    const tiedot = new Map();
    for (const pid of fs.readdirSync('/proc')) {
        if (!/^\d+$/.test(pid)) continue;
        try {
            const komento = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
            const tyyppi = (/--type=([a-z-]+)/.exec(komento) || [null, 'browser'])[1];
            const saikeet = fs.readdirSync(`/proc/${pid}/task`).map((t) => Stat(`/proc/${pid}/task/${t}/stat`));
            tiedot.set(+pid, { ppid: Stat(`/proc/${pid}/stat`).ppid, tyyppi, saikeet });
        } catch (e) {
            // gone meanwhile
        }
    }
    const ajat = {};
    for (const [pid, t] of tiedot) {
        let p = pid;
        while (p > 1 && p !== juuri) p = tiedot.has(p) ? tiedot.get(p).ppid : 1;
        if (p !== juuri) continue;
        for (const s of t.saikeet) {
            const avain = `${t.tyyppi}: ${s.nimi.replace(/[0-9]+/g, '')}`;
            ajat[avain] = (ajat[avain] || 0) + s.ms;
        }
    }
    return ajat;
}

// The profile's samples by what they were doing, in ms.
function Luokittele(profiili) {
    const solmut = new Map(profiili.nodes.map((s) => [s.id, s]));
    for (const s of profiili.nodes) for (const c of s.children || []) solmut.get(c).vanhempi = s;
    function Luokka(s) {
        const { functionName: nimi, url } = s.callFrame;
        if (nimi === '(idle)') return 'idle';
        if (nimi === '(garbage collector)') return 'garbage collection';
        if (nimi === '(program)' || nimi === '(root)') return 'browser (native)';
        if (/\.wasm$/.test(url)) return 'game (WebAssembly)';
        let emulointi = false;
        for (let v = s; v; v = v.vanhempi)
            if (/^_(emscripten_)?glu?[A-Z]/.test(v.callFrame.functionName) && /tavio\.js/.test(v.callFrame.url)) emulointi = true;
        if (!url) return emulointi ? 'WebGL calls' : 'other native';
        return emulointi ? 'GL emulation (JavaScript)' : 'other JavaScript';
    }
    const ajat = {};
    const { samples: naytteet, timeDeltas: valit } = profiili;
    for (let i = 0; i < naytteet.length; i++) {
        const ms = (i + 1 < valit.length ? valit[i + 1] : valit[i]) / 1000;
        const l = Luokka(solmut.get(naytteet[i]));
        ajat[l] = (ajat[l] || 0) + ms;
    }
    return ajat;
}

// Where `sekunteja` seconds of the page's frames go, a frame at a time.
async function Erittely(selain, p, sekunteja) {
    // The draw calls a frame makes, counted on their own (the counting costs).
    const kutsut = await p.Arvo(`new Promise((valmis) => {
        const gl = Module.ctx, n = { kutsut: 0 }, a0 = Module.tavio.askeleet();
        for (const f of ['drawArrays', 'drawElements']) {
            const alkup = gl[f];
            gl[f] = function () { n.kutsut++; return alkup.apply(this, arguments); };
            setTimeout(() => { gl[f] = alkup; }, 2000);
        }
        setTimeout(() => valmis(n.kutsut / (Module.tavio.askeleet() - a0)), 2000);
    })`);
    await Odota(200);
    await p.sivu.Laheta('Profiler.enable');
    await p.sivu.Laheta('Profiler.setSamplingInterval', { interval: 200 });
    const a0 = await p.Askeleet(), pr0 = Prosessit(selain.prosessi.pid);
    await p.sivu.Laheta('Profiler.start');
    await Odota(sekunteja * 1000);
    const { profile } = await p.sivu.Laheta('Profiler.stop');
    const askeleita = (await p.Askeleet()) - a0, pr1 = Prosessit(selain.prosessi.pid);
    const kehys = {};
    for (const [l, ms] of Object.entries(Luokittele(profile))) kehys[l] = ms / askeleita;
    const prosessit = {};
    for (const t of Object.keys(pr1)) prosessit[t] = (pr1[t] - (pr0[t] || 0)) / askeleita;
    return { askeleita, kutsut, kehys, prosessit };
}

function Tulosta(otsikko, e) {
    console.log(`${otsikko}: ${e.askeleita} frames, ${e.kutsut.toFixed(0)} WebGL draw calls a frame`);
    console.log('  main thread, ms a frame:');
    for (const [l, ms] of Object.entries(e.kehys).sort((a, b) => b[1] - a[1]))
        console.log(`    ${l.padEnd(28)} ${ms.toFixed(2)}`);
    console.log('  processor time by process and thread, ms a frame:');
    for (const [t, ms] of Object.entries(e.prosessit).sort((a, b) => b[1] - a[1]))
        if (ms >= 0.05) console.log(`    ${t.padEnd(40)} ${ms.toFixed(2)}`);
}

(async () => {
    const palvelin = await Palvelin(JULKAISU);
    const selain = new SELAIN(CHROMIUM);
    const p = await UusiPelaaja(selain, tyo, (nimi, ehto) => ehto || console.error('not found: ' + nimi), false);
    await p.Lataa(`http://127.0.0.1:${palvelin.address().port}/tavio.html`);
    const kansi = await p.Arvo('document.getElementById("kansi").getBoundingClientRect().toJSON()');
    await p.sivu.Klikkaa(kansi.x + kansi.width / 2, kansi.y + kansi.height / 2);
    await Odota(3000);
    const valikko = await Nopeus(p, +SEKUNTEJA);
    const valikonErittely = await Erittely(selain, p, 4);
    await p.Klikkaa(await p.Lue('valikko'), 'Take wing');
    await Odota(2000); // the one-second hold
    const survivor = await Nopeus(p, +SEKUNTEJA);
    const lennonErittely = await Erittely(selain, p, 4);
    console.log(`main menu: ${valikko.toFixed(1)} frames a second; Survivor: ${survivor.toFixed(1)}`);
    console.log(`load average: ${os.loadavg().map((x) => x.toFixed(2)).join(' ')}`);
    Tulosta('main menu', valikonErittely);
    Tulosta('Survivor', lennonErittely);
    await selain.Sulje();
    palvelin.close();
    fs.rmSync(tyo, { recursive: true, force: true });
})();
