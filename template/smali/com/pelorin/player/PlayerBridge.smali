.class public Lcom/pelorin/player/PlayerBridge;
.super Ljava/lang/Object;
.source "PlayerBridge.smali"

# What the player page reaches as window.NativePlayer: the album's texts and
# the playback service, which owns the music. The page calls in on WebView's
# bridge thread; every method returns at once: commands are posted to the
# service's main thread, and the state is read under the service's lock.
# The service's events reach the page as window.nativeState(state) on the
# main thread. Before the service is bound the page sees no song chosen.

.implements Lcom/pelorin/player/StateListener;


.field private final context:Landroid/content/Context;

.field private final web:Landroid/webkit/WebView;

.field private volatile service:Lcom/pelorin/player/PlaybackService;


.method public constructor <init>(Landroid/content/Context;Landroid/webkit/WebView;)V
    .registers 3

    invoke-direct {p0}, Ljava/lang/Object;-><init>()V

    iput-object p1, p0, Lcom/pelorin/player/PlayerBridge;->context:Landroid/content/Context;
    iput-object p2, p0, Lcom/pelorin/player/PlayerBridge;->web:Landroid/webkit/WebView;

    return-void
.end method


# Main thread: the service is bound; the page is told its state.
.method public attach(Lcom/pelorin/player/PlaybackService;)V
    .registers 2

    iput-object p1, p0, Lcom/pelorin/player/PlayerBridge;->service:Lcom/pelorin/player/PlaybackService;
    invoke-virtual {p1, p0}, Lcom/pelorin/player/PlaybackService;->setListener(Lcom/pelorin/player/StateListener;)V

    return-void
.end method


# Main thread: the activity goes away (or the service did).
.method public detach()V
    .registers 3

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->service:Lcom/pelorin/player/PlaybackService;
    if-eqz v0, :detached
    const/4 v1, 0x0
    iput-object v1, p0, Lcom/pelorin/player/PlayerBridge;->service:Lcom/pelorin/player/PlaybackService;
    invoke-virtual {v0, p0}, Lcom/pelorin/player/PlaybackService;->clearListener(Lcom/pelorin/player/StateListener;)V

    :detached
    return-void
.end method


# Main thread: an event of the service.
.method public onState(Ljava/lang/String;)V
    .registers 5

    new-instance v0, Ljava/lang/StringBuilder;
    const-string v1, "window.nativeState && window.nativeState("
    invoke-direct {v0, v1}, Ljava/lang/StringBuilder;-><init>(Ljava/lang/String;)V
    invoke-virtual {v0, p1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    const-string v1, ")"
    invoke-virtual {v0, v1}, Ljava/lang/StringBuilder;->append(Ljava/lang/String;)Ljava/lang/StringBuilder;
    invoke-virtual {v0}, Ljava/lang/StringBuilder;->toString()Ljava/lang/String;
    move-result-object v0
    iget-object v1, p0, Lcom/pelorin/player/PlayerBridge;->web:Landroid/webkit/WebView;
    const/4 v2, 0x0
    invoke-virtual {v1, v0, v2}, Landroid/webkit/WebView;->evaluateJavascript(Ljava/lang/String;Landroid/webkit/ValueCallback;)V

    return-void
.end method


.method private send(IILjava/lang/String;)V
    .registers 5

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->service:Lcom/pelorin/player/PlaybackService;
    if-eqz v0, :unbound
    invoke-virtual {v0, p1, p2, p3}, Lcom/pelorin/player/PlaybackService;->command(IILjava/lang/String;)V

    :unbound
    return-void
.end method


# The album title: the application's label.
.method public title()Ljava/lang/String;
    .registers 3
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->context:Landroid/content/Context;
    invoke-virtual {v0}, Landroid/content/Context;->getApplicationInfo()Landroid/content/pm/ApplicationInfo;
    move-result-object v1
    invoke-virtual {v0}, Landroid/content/Context;->getPackageManager()Landroid/content/pm/PackageManager;
    move-result-object v0
    invoke-virtual {v1, v0}, Landroid/content/pm/ApplicationInfo;->loadLabel(Landroid/content/pm/PackageManager;)Ljava/lang/CharSequence;
    move-result-object v0
    invoke-interface {v0}, Ljava/lang/CharSequence;->toString()Ljava/lang/String;
    move-result-object v0

    return-object v0
.end method


# The text of res/raw/songs.json, "" when the package has none.
.method public catalogue()Ljava/lang/String;
    .registers 2
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->context:Landroid/content/Context;
    invoke-static {v0}, Lcom/pelorin/player/Catalogue;->text(Landroid/content/Context;)Ljava/lang/String;
    move-result-object v0

    return-object v0
.end method


# The text of an asset such as lrcs/lrc3.lrc, "" when it is missing.
.method public readAsset(Ljava/lang/String;)Ljava/lang/String;
    .registers 3
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    :try_start_open
    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->context:Landroid/content/Context;
    invoke-virtual {v0}, Landroid/content/Context;->getAssets()Landroid/content/res/AssetManager;
    move-result-object v0
    invoke-virtual {v0, p1}, Landroid/content/res/AssetManager;->open(Ljava/lang/String;)Ljava/io/InputStream;
    move-result-object v0
    :try_end_open
    .catch Ljava/io/IOException; {:try_start_open .. :try_end_open} :missing

    invoke-static {v0}, Lcom/pelorin/player/Catalogue;->readText(Ljava/io/InputStream;)Ljava/lang/String;
    move-result-object v0
    return-object v0

    :missing
    const-string v0, ""
    return-object v0
.end method


# {"index", "playing", "position", "duration", "repeat", "shuffle"}
.method public state()Ljava/lang/String;
    .registers 4
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->service:Lcom/pelorin/player/PlaybackService;
    if-eqz v0, :unbound
    const/4 v1, 0x0
    const/4 v2, -0x1
    invoke-virtual {v0, v1, v2}, Lcom/pelorin/player/PlaybackService;->stateJson(Ljava/lang/String;I)Ljava/lang/String;
    move-result-object v0
    return-object v0

    :unbound
    const-string v0, "{\"index\":-1,\"playing\":false,\"position\":0,\"duration\":0,\"repeat\":\"all\",\"shuffle\":false}"
    return-object v0
.end method


# Plays song i (songs.json index) from its start.
.method public select(I)V
    .registers 5
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/4 v0, 0x1
    const/4 v2, 0x0
    invoke-direct {p0, v0, p1, v2}, Lcom/pelorin/player/PlayerBridge;->send(IILjava/lang/String;)V

    return-void
.end method


.method public pause()V
    .registers 4
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/4 v0, 0x2
    const/4 v1, 0x0
    const/4 v2, 0x0
    invoke-direct {p0, v0, v1, v2}, Lcom/pelorin/player/PlayerBridge;->send(IILjava/lang/String;)V

    return-void
.end method


# Nothing chosen: the first playable song.
.method public resume()V
    .registers 4
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/4 v0, 0x3
    const/4 v1, 0x0
    const/4 v2, 0x0
    invoke-direct {p0, v0, v1, v2}, Lcom/pelorin/player/PlayerBridge;->send(IILjava/lang/String;)V

    return-void
.end method


# Milliseconds into the current song.
.method public seek(I)V
    .registers 5
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/4 v0, 0x4
    const/4 v2, 0x0
    invoke-direct {p0, v0, p1, v2}, Lcom/pelorin/player/PlayerBridge;->send(IILjava/lang/String;)V

    return-void
.end method


.method public next()V
    .registers 4
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/4 v0, 0x5
    const/4 v1, 0x0
    const/4 v2, 0x0
    invoke-direct {p0, v0, v1, v2}, Lcom/pelorin/player/PlayerBridge;->send(IILjava/lang/String;)V

    return-void
.end method


# The start of this song after 3 s of it.
.method public previous()V
    .registers 4
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/4 v0, 0x6
    const/4 v1, 0x0
    const/4 v2, 0x0
    invoke-direct {p0, v0, v1, v2}, Lcom/pelorin/player/PlayerBridge;->send(IILjava/lang/String;)V

    return-void
.end method


# "all", "one" or "off".
.method public setRepeat(Ljava/lang/String;)V
    .registers 5
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/4 v0, 0x7
    const/4 v1, 0x0
    invoke-direct {p0, v0, v1, p1}, Lcom/pelorin/player/PlayerBridge;->send(IILjava/lang/String;)V

    return-void
.end method


.method public setShuffle(Z)V
    .registers 5
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    const/16 v0, 0x8
    const/4 v2, 0x0
    invoke-direct {p0, v0, p1, v2}, Lcom/pelorin/player/PlayerBridge;->send(IILjava/lang/String;)V

    return-void
.end method


# Milliseconds, 0 when nothing is loaded.
.method public position()I
    .registers 2
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->service:Lcom/pelorin/player/PlaybackService;
    if-eqz v0, :unbound
    invoke-virtual {v0}, Lcom/pelorin/player/PlaybackService;->position()I
    move-result v0
    return v0

    :unbound
    const/4 v0, 0x0
    return v0
.end method


# Milliseconds, 0 when nothing is loaded.
.method public duration()I
    .registers 2
    .annotation runtime Landroid/webkit/JavascriptInterface;
    .end annotation

    iget-object v0, p0, Lcom/pelorin/player/PlayerBridge;->service:Lcom/pelorin/player/PlaybackService;
    if-eqz v0, :unbound
    invoke-virtual {v0}, Lcom/pelorin/player/PlaybackService;->duration()I
    move-result v0
    return v0

    :unbound
    const/4 v0, 0x0
    return v0
.end method
