// A small client of Chromium's DevTools protocol, with no package of its own:
// the browser speaks the protocol over a pipe (--remote-debugging-pipe: it reads
// commands from its fd 3 and writes replies and events to fd 4, each message
// JSON ended by a NUL byte), so nothing listens on a port.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

// The flags a headless Chromium needs as root on a machine without a GPU or a
// network: WebGL from SwiftShader, a fresh profile, nothing fetched by itself.
function Liput(profiili, lisat) {
    return [
        '--headless', '--no-sandbox', '--use-gl=angle', '--use-angle=swiftshader',
        '--enable-unsafe-swiftshader', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        '--disable-default-apps', '--disable-extensions', '--mute-audio',
        '--autoplay-policy=no-user-gesture-required', '--remote-debugging-pipe',
        '--user-data-dir=' + profiili, '--window-size=1100,900',
    ].concat(lisat || []);
}

class SELAIN {
    constructor(ohjelma, lisat) {
        this.profiili = fs.mkdtempSync(path.join(os.tmpdir(), 'tavio-selain-'));
        this.seuraava = 1;
        this.odottajat = new Map();
        this.kuuntelijat = [];
        this.loki = [];
        this.prosessi = spawn(ohjelma, Liput(this.profiili, lisat).concat(['about:blank']), {
            stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'],
        });
        this.prosessi.stderr.on('data', (d) => this.loki.push(String(d)));
        this.kirjoittaja = this.prosessi.stdio[3];
        let puskuri = Buffer.alloc(0);
        this.prosessi.stdio[4].on('data', (d) => {
            puskuri = Buffer.concat([puskuri, d]);
            for (let nolla; (nolla = puskuri.indexOf(0)) >= 0; ) {
                const viesti = JSON.parse(puskuri.subarray(0, nolla).toString('utf8'));
                puskuri = puskuri.subarray(nolla + 1);
                this.Vastaanota(viesti);
            }
        });
        this.loppu = new Promise((valmis) => this.prosessi.on('exit', valmis));
        this.prosessi.on('exit', () => {
            for (const [, o] of this.odottajat) o.hylkaa(new Error('the browser ended'));
            this.odottajat.clear();
        });
    }

    Vastaanota(viesti) {
        if (viesti.id !== undefined) {
            const o = this.odottajat.get(viesti.id);
            if (!o) return;
            this.odottajat.delete(viesti.id);
            if (viesti.error) o.hylkaa(new Error(o.metodi + ': ' + viesti.error.message));
            else o.valmis(viesti.result);
            return;
        }
        for (const k of this.kuuntelijat.slice()) k(viesti);
    }

    // One command; `istunto` is the page's session (flattened), none for the browser.
    Laheta(metodi, parametrit, istunto) {
        const id = this.seuraava++;
        const viesti = { id, method: metodi, params: parametrit || {} };
        if (istunto) viesti.sessionId = istunto;
        return new Promise((valmis, hylkaa) => {
            this.odottajat.set(id, { valmis, hylkaa, metodi });
            this.kirjoittaja.write(JSON.stringify(viesti) + '\0');
        });
    }

    // Waits for an event (of the session, when given) that `ehto` accepts.
    Odota(metodi, istunto, ehto, ms) {
        return new Promise((valmis, hylkaa) => {
            const ajastin = setTimeout(() => {
                this.kuuntelijat = this.kuuntelijat.filter((k) => k !== kuuntelija);
                hylkaa(new Error('no ' + metodi + ' within ' + ms + ' ms'));
            }, ms || 60000);
            const kuuntelija = (v) => {
                if (v.method !== metodi || (istunto && v.sessionId !== istunto)) return;
                if (ehto && !ehto(v.params)) return;
                clearTimeout(ajastin);
                this.kuuntelijat = this.kuuntelijat.filter((k) => k !== kuuntelija);
                valmis(v.params);
            };
            this.kuuntelijat.push(kuuntelija);
        });
    }

    Kuuntele(k) {
        this.kuuntelijat.push(k);
    }

    // A new page (tab) and its session.
    async Sivu() {
        const { targetId } = await this.Laheta('Target.createTarget', { url: 'about:blank' });
        const { sessionId } = await this.Laheta('Target.attachToTarget', { targetId, flatten: true });
        return new SIVU(this, sessionId);
    }

    async Sulje() {
        try {
            await Promise.race([this.Laheta('Browser.close'), new Promise((r) => setTimeout(r, 5000))]);
        } catch (e) {
            // already gone
        }
        const ajastin = setTimeout(() => this.prosessi.kill('SIGKILL'), 10000);
        await this.loppu;
        clearTimeout(ajastin);
        fs.rmSync(this.profiili, { recursive: true, force: true });
    }
}

class SIVU {
    constructor(selain, istunto) {
        this.selain = selain;
        this.istunto = istunto;
        this.konsoli = [];
        selain.Kuuntele((v) => {
            if (v.sessionId !== istunto) return;
            if (v.method === 'Runtime.consoleAPICalled')
                this.konsoli.push(v.params.type + ': ' + v.params.args.map((a) => a.value).join(' '));
            if (v.method === 'Runtime.exceptionThrown')
                this.konsoli.push('exception: ' + JSON.stringify(v.params.exceptionDetails));
        });
    }
    Laheta(metodi, parametrit) {
        return this.selain.Laheta(metodi, parametrit, this.istunto);
    }
    Odota(metodi, ehto, ms) {
        return this.selain.Odota(metodi, this.istunto, ehto, ms);
    }
    // The value of an expression in the page (promises awaited).
    async Arvo(lauseke) {
        const r = await this.Laheta('Runtime.evaluate', {
            expression: lauseke,
            awaitPromise: true,
            returnByValue: true,
            userGesture: true,
        });
        if (r.exceptionDetails)
            throw new Error(lauseke + ': ' + JSON.stringify(r.exceptionDetails.exception || r.exceptionDetails));
        return r.result.value;
    }
    async Kuva() {
        const r = await this.Laheta('Page.captureScreenshot', { format: 'png' });
        return Buffer.from(r.data, 'base64');
    }
    Hiiri(tyyppi, x, y, nappi, lisat) {
        return this.Laheta('Input.dispatchMouseEvent', Object.assign({
            type: tyyppi, x, y, button: nappi || 'none', clickCount: nappi && nappi !== 'none' ? 1 : 0,
        }, lisat || {}));
    }
    async Klikkaa(x, y) {
        await this.Hiiri('mouseMoved', x, y);
        await this.Hiiri('mousePressed', x, y, 'left', { buttons: 1 });
        await this.Hiiri('mouseReleased', x, y, 'left');
    }
}

module.exports = { SELAIN, SIVU };
